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
class TabChain;

// Frame2: one record of the knowledge base at a time. It shows the record it is given
// and reports the buttons.
class LearnScreen : public QWidget {
    Q_OBJECT

public:
    explicit LearnScreen(QWidget* parent = nullptr);

    void showRecord(const learn::RecordView& record);
    // Next takes the focus: the step a person takes most.
    void focusEntry();
    void addTabStops(TabChain& chain) const;

signals:
    void backToMainClicked(int index);
    void backClicked();
    void nextClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What one step says: the record and its value, or for "Glyphs (Image)" the record's
    // glyph described in words.
    static QString spokenStep(const learn::RecordView& record, const QString& title, QString value);

    PictureBox* picAstro = nullptr;
    std::array<QLabel*, 3> lblLabel{}; // topic, attribute, record title
    // lblLabel(3), the value: a read-only text rather than a label, so that a long
    // paragraph scrolls inside its box and can be read line by line, by keyboard and
    // by screen reader alike.
    QPlainTextEdit* lblValue = nullptr;
    QPushButton* cmdBackToMain = nullptr; // cmdBackToMain(0)
    // The record steps; their description is the record on show.
    QPushButton* cmdBackDesc = nullptr;
    QPushButton* cmdNextDesc = nullptr;
    Announcer* m_announcer = nullptr; // says each step taken
};

} // namespace orbelle::app
