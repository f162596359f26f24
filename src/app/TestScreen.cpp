// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TestScreen.h"

#include "app/AccessKeyText.h"
#include "app/Accessibility.h"
#include "app/Announcer.h"
#include "app/CopyGuard.h"
#include "app/Guarded.h"
#include "app/Look.h"
#include "app/PictureBox.h"
#include "app/TabChain.h"
#include "platform/qt/LineFeeds.h"
#include "test/QuestionGenerator.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>

namespace orbelle::app {

using namespace look;

namespace {

QLabel* makeCaption(QWidget* parent, int index, const QString& placeholder, const QColor& color, qreal points) {
    return makeLabel(parent, QStringLiteral("lblTest_%1").arg(index), placeholder, verdana(points, true), color);
}

} // namespace

TestScreen::TestScreen(CopyGuard& copyGuard, QWidget* parent)
    : QWidget(parent)
    , m_copyGuard(copyGuard) {
    setObjectName(QStringLiteral("Frame3"));
    buildQuestion();
    buildChoices();
    buildNextQuestion();
    buildChoiceKeys();
}

void TestScreen::buildQuestion() {
    picTest = new PictureBox(this);
    picTest->setObjectName(QStringLiteral("picTest"));
    place(picTest, 120, 120, 600, 615);

    // The captions grow with their text rather than cut it off.
    lblTest[0] = makeCaption(this, 0, tr("Test Category"), Yellow, 9);
    place(lblTest[0], 945, 120, 1380, 210);
    lblTest[1] = makeCaption(this, 1, tr("Test Sub Category"), BrightGreen, 9);
    place(lblTest[1], 3000, 120, 1815, 210);
    lblTest[2] = makeCaption(this, 2, tr("Test Option"), LightCyan, 8.25);
    place(lblTest[2], 945, 367, 1110, 195);
    lblTest[3] = makeCaption(this, 3, tr("Select one option from the given choices below."), LightMagenta, 8.25);
    place(lblTest[3], 945, 600, 4680, 195);
    lblTest[3]->adjustSize();
}

void TestScreen::buildChoices() {
    // The choices sit in a group named after the question, under everything else on the
    // screen: a screen reader says the question as the focus comes into the choices. As
    // a paragraph, Orca says its name alone; a grouping would add "panel" every time.
    m_question = new QWidget(this);
    setAccessibleRole(m_question, QAccessible::Paragraph);
    m_question->setObjectName(QStringLiteral("question"));
    place(m_question, 0, 0, 8175, 3975);
    m_question->lower();

    m_choices = new QButtonGroup(this);
    for (int k = 0; k < 5; ++k) {
        optAnswer_Choice[std::size_t(k)] = makeChoiceOption(k);
        txtAnswer_Choice[std::size_t(k)] = makeChoiceText(k);
    }
    optAnswer_Choice[0]->setChecked(true);
}

QRadioButton* TestScreen::makeChoiceOption(int k) {
    // The button is too narrow for its caption, which holds the choice text: the
    // text box beside it shows the text, and screen readers announce the caption.
    auto* option = new QRadioButton(m_question);
    option->setObjectName(QStringLiteral("optAnswer_Choice_%1").arg(k));
    setOptionButtonLook(option, White, DarkGreen);
    place(option, 120, 960 + 480 * k, 200, 200);
    m_choices->addButton(option, k);
    return option;
}

QPlainTextEdit* TestScreen::makeChoiceText(int k) {
    auto* box = new QPlainTextEdit(m_question);
    box->setObjectName(QStringLiteral("txtAnswer_Choice_%1").arg(k));
    box->setReadOnly(true);
    // A caret, so that a long choice can be read line by line; the copy guard keeps
    // anything from being selected or copied.
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A Tab stop only while its text needs scrolling: a short choice is heard whole
    // with its option button, and a listener would hear it twice.
    box->setFocusPolicy(Qt::NoFocus);
    connectGuarded(box->verticalScrollBar(), &QScrollBar::rangeChanged, box, "txtAnswer_Choice tab stop",
                   [box](int, int maximum) { box->setFocusPolicy(maximum > 0 ? Qt::TabFocus : Qt::NoFocus); });
    box->setAccessibleName(tr("Choice %1").arg(k + 1));
    setTextColor(box, White);
    setBackground(box, DarkGreen);
    place(box, 360, 960 + 480 * k, 7695, 400);
    m_copyGuard.watch(box);
    box->viewport()->installEventFilter(this);
    return box;
}

void TestScreen::buildNextQuestion() {
    cmdNextQuestion = makeButton(this, QStringLiteral("cmdNextQuestion"), tr("Next Question"));
    place(cmdNextQuestion, 6600, 3480, 1500, 400);
    connectGuarded(cmdNextQuestion, &QPushButton::clicked, this, &TestScreen::reportAnswer, "reportAnswer");
}

void TestScreen::buildChoiceKeys() {
    m_announcer = new Announcer(this);
    // Keys 1 to 5 pick a choice while a question is on screen; a shortcut of a screen
    // that is not shown does not fire.
    for (int k = 0; k < 5; ++k) {
        auto* pick = new QShortcut(QKeySequence(Qt::Key_1 + k), this);
        connectGuarded(pick, &QShortcut::activated, this, "pickChoice", [this, k] { pickChoice(k); });
    }
}

void TestScreen::pickChoice(int index) {
    QRadioButton* choice = optAnswer_Choice[std::size_t(index)];
    // The focus goes with the pick, so that the choice is heard and Tab goes on from it;
    // a choice that has the focus already is said again. The focus moves first: a screen
    // reader would otherwise report the choice left behind as no longer selected.
    if (choice->hasFocus()) {
        selectChoice(index);
        m_announcer->say(choice->accessibleName());
    } else {
        choice->setFocus(Qt::ShortcutFocusReason);
        selectChoice(index);
    }
}

void TestScreen::showQuestion(const test::QuestionView& question) {
    showCaption(lblTest[0], question.topicCaption);
    showCaption(lblTest[1], question.attributeCaption);
    showCaption(lblTest[2], question.title);
    m_choiceTexts = question.choices;
    for (std::size_t k = 0; k < 5; ++k) {
        const QString choice = QString::fromStdString(question.choices[k]);
        optAnswer_Choice[k]->setText(choice);
        // The caption is the stored text; a screen reader says what the box beside it
        // shows, after the number of the key that picks it.
        optAnswer_Choice[k]->setAccessibleName(QStringLiteral("%1. %2").arg(k + 1).arg(choice));
        const QString shown = platform::withLineFeeds(question.choices[k]);
        if (txtAnswer_Choice[k]->toPlainText() != shown)
            txtAnswer_Choice[k]->setPlainText(shown);
    }
    // A house is asked by its title and reported by its sign: a listener hears both.
    QString asked = lblTest[2]->text();
    if (question.recordName != question.title)
        asked += QStringLiteral(" (%1)").arg(QString::fromStdString(question.recordName));
    QString spoken =
        tr("Question %1 of %2: %3 of %4").arg(question.number).arg(question.count).arg(lblTest[1]->text(), asked);
    // The instruction and the keys that pick are said once a test, with its first question.
    if (question.number == 1)
        spoken += QStringLiteral(". ") + lblTest[3]->text() + QLatin1Char(' ') + tr("Keys 1 to 5 pick a choice.");
    m_question->setAccessibleName(spoken);
    picTest->showPicture(question.picture, QString::fromStdString(question.recordName));
}

void TestScreen::focusEntry() {
    optAnswer_Choice[0]->setFocus(Qt::OtherFocusReason);
}

void TestScreen::addTabStops(TabChain& chain) const {
    // Each choice's box stands next to it; only the selected choice and the boxes of
    // long choices are Tab stops, so Tab goes from the choice to the long texts and on
    // to Next Question.
    for (std::size_t k = 0; k < 5; ++k) {
        chain.add(optAnswer_Choice[k]);
        chain.add(txtAnswer_Choice[k]);
    }
    chain.add(cmdNextQuestion);
}

void TestScreen::reportAnswer() {
    const int selected = selectedChoice();
    std::optional<std::string> answer;
    if (selected >= 0) {
        answer = m_choiceTexts[std::size_t(selected)];
        selectChoice(0); // the next question opens with the first choice selected
    }
    emit nextQuestionClicked(answer);
}

void TestScreen::txtAnswer_Choice_Click(int index) {
    m_copyGuard.clearClipboard();
    selectChoice(index);
}

int TestScreen::selectedChoice() const {
    return m_choices->checkedId();
}

void TestScreen::selectChoice(int index) {
    if (index < 0 || index >= 5)
        return;
    optAnswer_Choice[std::size_t(index)]->setChecked(true);
    // Tab enters the choices at the selected one, as it does after the arrow keys.
    for (int k = 0; k < 5; ++k)
        optAnswer_Choice[std::size_t(k)]->setFocusPolicy(k == index ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TestScreen::eventFilter(QObject* watched, QEvent* event) {
    guarded("txtAnswer_Choice_Click", [&] {
        if (event->type() != QEvent::MouseButtonRelease)
            return;
        // A click is the left button let go over the text: a right or middle click, or a
        // press dragged off the box, leaves the chosen answer alone.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int k = 0; k < 5; ++k) {
            QWidget* text = txtAnswer_Choice[std::size_t(k)]->viewport();
            if (watched == text) {
                if (mouse->button() == Qt::LeftButton && text->rect().contains(mouse->position().toPoint()))
                    txtAnswer_Choice_Click(k);
                return;
            }
        }
    });
    return QWidget::eventFilter(watched, event);
}

} // namespace orbelle::app
