// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QScrollArea;

namespace orbelle::learn {
struct RecordView;
}

namespace orbelle::app {

class PictureBox;

// Frame2: one record of the knowledge base at a time.
class LearnScreen : public QWidget {
    Q_OBJECT

public:
    explicit LearnScreen(QWidget* parent = nullptr);

    void showRecord(const learn::RecordView& record);

    PictureBox* picAstro = nullptr;
    std::array<QLabel*, 4> lblLabel{};
    QScrollArea* valueBox = nullptr; // lets the longest paragraphs be read in full
    QPushButton* cmdBackToMain = nullptr;
    QPushButton* cmdBackDesc = nullptr;
    QPushButton* cmdNextDesc = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orbelle::app
