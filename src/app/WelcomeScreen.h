// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace orbelle::app {

class Announcer;

// Frame1: the mode option buttons, the learn and test lists and Next.
class WelcomeScreen : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeScreen(QWidget* parent = nullptr);

    std::array<QLabel*, 3> Label1{};
    std::array<QRadioButton*, 2> optOption{};
    QComboBox* cboLearnOptionMain = nullptr;
    QComboBox* cboLearnOptionSub = nullptr;
    QComboBox* cboTestOptionMain = nullptr;
    QComboBox* cboTestOptionSub = nullptr;
    QPushButton* cmdNext = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Announcer* m_announcer = nullptr;
};

} // namespace orbelle::app
