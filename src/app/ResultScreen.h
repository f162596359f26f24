// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPushButton;
class QTextEdit;

namespace orbelle::test {
struct ResultReport;
}

namespace orbelle::app {

class CopyGuard;
class TabChain;

// Frame4: the result report of a finished test, and the way back.
class ResultScreen : public QWidget {
    Q_OBJECT

public:
    ResultScreen(CopyGuard& copyGuard, QWidget* parent = nullptr);

    // The report takes the focus, so that it is read out on arrival.
    void focusEntry();
    void addTabStops(TabChain& chain) const;

    // Replaces the whole text by the report, written piece by piece at the insertion
    // point with bold as the emphasis and 12-point text throughout.
    void writeReport(const test::ResultReport& report);

signals:
    void backToMainClicked(int index);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    QTextEdit* RTB = nullptr;
    QPushButton* cmdBackToMain = nullptr;
};

} // namespace orbelle::app
