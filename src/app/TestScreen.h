// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orbelle::test {
struct QuestionView;
}

namespace orbelle::app {

class Announcer;
class CopyGuard;
class PictureBox;

// Frame3: one question with its five answer choices.
class TestScreen : public QWidget {
    Q_OBJECT

public:
    TestScreen(CopyGuard& copyGuard, QWidget* parent = nullptr);

    void showQuestion(const test::QuestionView& question);

    // The choice whose option button is selected, or -1.
    int selectedChoice() const;
    void selectChoice(int index);

    PictureBox* picTest = nullptr;
    std::array<QLabel*, 4> lblTest{};
    std::array<QRadioButton*, 5> optAnswer_Choice{};
    std::array<QPlainTextEdit*, 5> txtAnswer_Choice{};
    QPushButton* cmdNextQuestion = nullptr;

signals:
    // A click on the text of a choice (the copy guard has already run).
    void answerTextClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_question = nullptr;
    Announcer* m_announcer = nullptr;
    QButtonGroup* m_choices = nullptr;
};

} // namespace orbelle::app
