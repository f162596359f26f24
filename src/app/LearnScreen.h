// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace orbelle::learn {
struct RecordView;
}

namespace orbelle::app {

class Announcer;
class PictureBox;

// Frame2: one record of the knowledge base at a time.
class LearnScreen : public QWidget {
    Q_OBJECT

public:
    explicit LearnScreen(QWidget* parent = nullptr);

    void showRecord(const learn::RecordView& record);

    PictureBox* picAstro = nullptr;
    std::array<QLabel*, 3> lblLabel{}; // topic, attribute, record title
    // lblLabel(3), the value: a read-only text rather than a label, so that a long
    // paragraph scrolls inside its box and can be read line by line, by keyboard and
    // by screen reader alike.
    QPlainTextEdit* lblValue = nullptr;
    QPushButton* cmdBackToMain = nullptr;
    QPushButton* cmdBackDesc = nullptr;
    QPushButton* cmdNextDesc = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Announcer* m_announcer = nullptr;
};

} // namespace orbelle::app
