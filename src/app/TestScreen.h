// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>
#include <optional>
#include <string>

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
class TabChain;

// Frame3: one question with its five answer choices. It shows the question it is
// given and reports the answer chosen at Next Question.
class TestScreen : public QWidget {
    Q_OBJECT

public:
    TestScreen(CopyGuard& copyGuard, QWidget* parent = nullptr);

    void showQuestion(const test::QuestionView& question);
    // The first choice takes the focus: coming into the choices says the question.
    void focusEntry();
    void addTabStops(TabChain& chain) const;

signals:
    // Next Question, with the text of the selected choice as the question gave it, or
    // nothing when no choice is selected. The first choice is selected again by then.
    void nextQuestionClicked(const std::optional<std::string>& answer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The constructor's steps, in the order the screen is built.
    void buildQuestion();
    void buildChoices();
    QRadioButton* makeChoiceOption(int k);
    QPlainTextEdit* makeChoiceText(int k);
    void buildNextQuestion();
    void buildChoiceKeys();

    // Keys 1 to 5: selects the choice and moves the focus to it.
    void pickChoice(int index);
    // The choice whose option button is selected, or -1.
    int selectedChoice() const;
    void selectChoice(int index);
    void txtAnswer_Choice_Click(int index);
    void reportAnswer();

    PictureBox* picTest = nullptr;
    std::array<QLabel*, 4> lblTest{};
    std::array<QRadioButton*, 5> optAnswer_Choice{};
    std::array<QPlainTextEdit*, 5> txtAnswer_Choice{};
    QPushButton* cmdNextQuestion = nullptr;
    CopyGuard& m_copyGuard;
    std::array<std::string, 5> m_choiceTexts; // as the question on show gave them
    QWidget* m_question = nullptr;
    Announcer* m_announcer = nullptr;
    QButtonGroup* m_choices = nullptr;
};

} // namespace orbelle::app
