// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Test mode through the real main window: questions, answering by mouse and by
// keyboard, and the report as the result box shows it.

#include "AppFixture.h"

#include "app/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextEdit>

using namespace orbelle;
using namespace orbelle::fakes;

class TestTestMode : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void questionShowsItsRecordAndChoices();
    void untouchedChoicesAnswerWithChoice0();
    void wholeTestByMouse();
    void wholeTestByKeyboard();
    void clickOnTextBox3StoresChoice3();
    void onlyALeftClickOnATextPicksIt();
    void numberKeysPickChoices();
    void lastQuestionIndex_data();
    void lastQuestionIndex();
    void housesReportNamesTheSign();
    void luckyNumbersStayAsStored();
    void reportIsBoldWhereItShouldBeAndTwelvePoint();
    void secondTestReplacesTheReport();
    void backToMainThenNextStartsAFreshTest();
    void copyGuardOnAnAnswerBox();
    void reportIsReadByCaretButNeverSelected_data();
    void reportIsReadByCaretButNeverSelected();
    void choiceTextsAreTabStopsOnlyWhenTheyScroll_data();
    void choiceTextsAreTabStopsOnlyWhenTheyScroll();
    void longChoiceIsReadByCaretButNeverSelected_data() { reportIsReadByCaretButNeverSelected_data(); }
    void longChoiceIsReadByCaretButNeverSelected();

private:
    AppFixture* m_app = nullptr;
    app::frmMain* w = nullptr;

    QWidget* test() const { return m_app->screen(3); }
    QWidget* result() const { return m_app->screen(4); }
    QRadioButton* optAnswer_Choice(int k) const { return named<QRadioButton>(w, "optAnswer_Choice", k); }
    QPlainTextEdit* txtAnswer_Choice(int k) const { return named<QPlainTextEdit>(w, "txtAnswer_Choice", k); }
    QLabel* lblTest(int index) const { return named<QLabel>(w, "lblTest", index); }
    app::PictureBox* picTest() const { return named<app::PictureBox>(w, "picTest"); }
    QPushButton* button(const char* name) const { return named<QPushButton>(w, name); }
    QTextEdit* rtb() const { return named<QTextEdit>(w, "RTB"); }
    QString box(int k) const { return txtAnswer_Choice(k)->toPlainText(); }
    void choose(const QString& topic, const QString& attribute);
    void scriptTest(int questions, const QList<int>& order, int place);
    void start() { m_app->pressNext(); }
    void nextQuestion() { QTest::mouseClick(button("cmdNextQuestion"), Qt::LeftButton); }
    QString report() const { return rtb()->toPlainText(); }
};

void TestTestMode::init() {
    m_app = new AppFixture;
    w = &m_app->open();
}

void TestTestMode::cleanup() {
    m_app->closeAll();
    delete m_app;
    m_app = nullptr;
}

void TestTestMode::choose(const QString& topic, const QString& attribute) {
    QTest::mouseClick(named<QRadioButton>(w, "optOption", 1), Qt::LeftButton);
    pickEntry(named<QComboBox>(w, "cboTestOptionMain"), topic);
    pickEntry(named<QComboBox>(w, "cboTestOptionSub"), attribute);
    QCOMPARE(named<QComboBox>(w, "cboTestOptionSub")->currentText(), attribute);
}

// Scripts a whole test: the question order, then for every question the records 0 to 4
// as the five choices with the asked record put at `place`.
void TestTestMode::scriptTest(int questions, const QList<int>& order, int place) {
    for (int record : order)
        m_app->random.push(drawFor(record, questions - 1));
    for (int q = 0; q < questions; ++q) {
        for (int record = 0; record < 5; ++record)
            m_app->random.push(drawFor(record, questions - 1));
        m_app->random.push(drawFor(place, 4));
    }
}

void TestTestMode::questionShowsItsRecordAndChoices() {
    choose("Test By Signs", "Element");
    scriptTest(12, {4, 0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11}, 2);
    start();
    QCOMPARE(m_app->currentScreen(), test());
    QCOMPARE(lblTest(0)->text(), QString("Test By Signs"));
    QCOMPARE(lblTest(1)->text(), QString("Element"));
    QCOMPARE(lblTest(2)->text(), QString("Leo"));
    QCOMPARE(lblTest(3)->text(), QString("Select one option from the given choices below."));
    // Records 0, 1, Leo, 3, 4: Fire, Earth, Fire, Water, Fire.
    const QStringList expected{"Fire", "Earth", "Fire", "Water", "Fire"};
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(box(k), expected[k]);
        QCOMPARE(optAnswer_Choice(k)->text(), expected[k]);
        QVERIFY(txtAnswer_Choice(k)->isReadOnly());
    }
    QVERIFY(optAnswer_Choice(0)->isChecked());
    QVERIFY(picTest()->isVisible());
    QCOMPARE(picTest()->accessibleName(), QString("Leo glyph"));
}

void TestTestMode::untouchedChoicesAnswerWithChoice0() {
    choose("Test By Signs", "Dates");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 4);
    start();
    QStringList first;
    for (int q = 0; q < 12; ++q) {
        first << box(0);
        nextQuestion();
    }
    QCOMPARE(m_app->currentScreen(), result());
    for (int q = 0; q < 12; ++q)
        QCOMPARE(QString::fromStdString(w->workingState().UserAnswers[std::size_t(q)]), first[q]);
    // Choice 0 always shows record 0's dates: right only when Aries is asked.
    QVERIFY(report().endsWith("1 Correct out of 12 Questions"));
}

void TestTestMode::wholeTestByMouse() {
    choose("Test By Planets", "Keywords");
    const QList<int> order{3, 0, 9, 1, 2, 4, 5, 6, 7, 8};
    scriptTest(10, order, 1);
    start();
    int right = 0;
    for (int q = 0; q < 10; ++q) {
        // The asked record stands at place 1; answer it right on even questions.
        const int pick = q % 2 == 0 ? 1 : 3;
        QTest::mouseClick(optAnswer_Choice(pick), Qt::LeftButton);
        QVERIFY(optAnswer_Choice(pick)->isChecked());
        right += pick == 1 || w->workingState().CorrectAnswers[std::size_t(q)] == box(3).toStdString() ? 1 : 0;
        nextQuestion();
        if (q < 9)
            QVERIFY(optAnswer_Choice(0)->isChecked());
    }
    QCOMPARE(m_app->currentScreen(), result());
    QCOMPARE(w->workingState().CurrentIndex, 9);
    QVERIFY(report().startsWith("Orbelle Result\n\nTest By Planets - Keywords\n\nQuestion: Mercury\n"
                                "Correct Answer: Communication, Intelligence, Reasoning\n"
                                "Your Answer: Communication, Intelligence, Reasoning\n\nQuestion: Sun\n"));
    QVERIFY(report().endsWith(QString("%1 Correct out of 10 Questions").arg(right)));
}

void TestTestMode::wholeTestByKeyboard() {
    choose("Test By Houses", "Mantra");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    button("cmdNext")->setFocus();
    QTest::keyClick(button("cmdNext"), Qt::Key_Space);
    QCOMPARE(m_app->currentScreen(), test());
    QCOMPARE(QApplication::focusWidget(), optAnswer_Choice(0));
    for (int q = 0; q < 12; ++q) {
        // One step down in the choices, then on to Next Question and press it.
        // Each question opens with the focus on its first choice, where a listener hears it.
        QCOMPARE(QApplication::focusWidget(), optAnswer_Choice(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(optAnswer_Choice(1)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button("cmdNextQuestion"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QCOMPARE(m_app->currentScreen(), result());
    // Choice 1 always showed record 1's mantra, right only for the 2nd house.
    for (int q = 0; q < 12; ++q)
        QCOMPARE(w->workingState().UserAnswers[std::size_t(q)], std::string("To Have"));
    QVERIFY(report().endsWith("1 Correct out of 12 Questions"));
}

void TestTestMode::clickOnTextBox3StoresChoice3() {
    choose("Test By Signs", "Lucky Day");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    QTest::mouseClick(txtAnswer_Choice(3)->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    QVERIFY(optAnswer_Choice(3)->isChecked());
    nextQuestion();
    QCOMPARE(w->workingState().UserAnswers[0], std::string("Monday")); // Cancer's day, record 3
}

void TestTestMode::onlyALeftClickOnATextPicksIt() {
    choose("Test By Signs", "Lucky Day");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    QWidget* text = txtAnswer_Choice(3)->viewport();
    QTest::mouseClick(text, Qt::RightButton, {}, QPoint(30, 10));
    QTest::mouseClick(text, Qt::MiddleButton, {}, QPoint(30, 10));
    QVERIFY(optAnswer_Choice(0)->isChecked());
    // Pressed on the text and let go outside it: no click.
    QTest::mousePress(text, Qt::LeftButton, {}, QPoint(30, 10));
    QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(30, text->height() + 40));
    QVERIFY(optAnswer_Choice(0)->isChecked());
    QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(30, 10));
    QVERIFY(optAnswer_Choice(3)->isChecked());
}

void TestTestMode::numberKeysPickChoices() {
    choose("Test By Signs", "Quality");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    QTest::keyClick(w, Qt::Key_5);
    QVERIFY(optAnswer_Choice(4)->isChecked());
    QTest::keyClick(w, Qt::Key_2);
    QVERIFY(optAnswer_Choice(1)->isChecked());
    QCOMPARE(QApplication::focusWidget(), optAnswer_Choice(1)); // so that it is heard
    nextQuestion();
    QCOMPARE(w->workingState().UserAnswers[0], std::string("Fixed"));
}

void TestTestMode::lastQuestionIndex_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("right"); // choice 0 always shows record 0's value
    QTest::newRow("signs") << "Test By Signs"
                           << "Glyphs (Image)" << 12 << 1;
    QTest::newRow("planets") << "Test By Planets"
                             << "Anatomy" << 10 << 1;
    QTest::newRow("houses: four angular houses") << "Test By Houses"
                                                 << "House Type" << 12 << 4;
}

void TestTestMode::lastQuestionIndex() {
    QFETCH(QString, topic);
    QFETCH(QString, attribute);
    QFETCH(int, questions);
    QFETCH(int, right);
    choose(topic, attribute);
    QList<int> order;
    for (int i = questions - 1; i >= 0; --i)
        order << i;
    scriptTest(questions, order, 4);
    start();
    for (int q = 0; q < questions; ++q) {
        QCOMPARE(w->workingState().CurrentIndex, q);
        QCOMPARE(m_app->currentScreen(), test());
        nextQuestion();
    }
    QCOMPARE(w->workingState().CurrentIndex, questions - 1);
    QCOMPARE(m_app->currentScreen(), result());
    QVERIFY(report().endsWith(QString("\n%1 Correct out of %2 Questions").arg(right).arg(questions)));
    QVERIFY(m_app->random.exhausted());
}

void TestTestMode::housesReportNamesTheSign() {
    choose("Test By Houses", "House Name");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 2);
    start();
    QCOMPARE(lblTest(2)->text(), QString("1st House"));
    QVERIFY(!picTest()->isVisible());
    QCOMPARE(box(2), QString("The House of Identity"));
    for (int q = 0; q < 12; ++q)
        nextQuestion();
    QVERIFY(report().contains("Question: Aries\nCorrect Answer: The House of Identity\nYour Answer: The House of "
                              "Identity\n\n"));
    QVERIFY(!report().contains("1st House"));
}

void TestTestMode::luckyNumbersStayAsStored() {
    choose("Test By Signs", "Lucky Number");
    scriptTest(12, {4, 0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11}, 3);
    start();
    QCOMPARE(box(3), QString("8 && 9"));
    QCOMPARE(optAnswer_Choice(3)->text(), QString("8 && 9"));
    QCOMPARE(optAnswer_Choice(3)->accessibleName(), QString("4. 8 && 9")); // its key, then the text as shown
    QTest::mouseClick(txtAnswer_Choice(3)->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    for (int q = 0; q < 12; ++q)
        nextQuestion();
    QVERIFY(report().contains("Question: Leo\nCorrect Answer: 8 && 9\nYour Answer: 8 && 9\n\n"));
}

void TestTestMode::reportIsBoldWhereItShouldBeAndTwelvePoint() {
    choose("Test By Planets", "Glyphs (Image)");
    scriptTest(10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0);
    start();
    for (int q = 0; q < 10; ++q)
        nextQuestion();
    QCOMPARE(rtb()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(rtb()->palette().color(QPalette::Text), QColor(Qt::black));
    QTextDocument* document = rtb()->document();
    QCOMPARE(document->firstBlock().text(), QString("Orbelle Result"));
    const auto boldAt = [&](const QString& what) {
        QTextCursor cursor = document->find(what);
        return cursor.charFormat().fontWeight() == QFont::Bold && cursor.charFormat().fontPointSize() == 12;
    };
    QVERIFY(boldAt("Orbelle Result"));
    QVERIFY(boldAt("Test By Planets - Glyphs (Image)"));
    QVERIFY(boldAt("Question: Sun"));
    QVERIFY(boldAt("Correct Answer: "));
    QVERIFY(boldAt("Your Answer: "));
    QVERIFY(boldAt("10 Correct out of 10 Questions"));
    QTextCursor answer = document->find("Correct Answer: Sun");
    answer.setPosition(answer.position());
    QTextCursor plain = document->find("Sun", document->find("Correct Answer: "));
    QCOMPARE(plain.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(plain.charFormat().fontPointSize(), 12.0);
    QCOMPARE(document->lastBlock().text(), QString("10 Correct out of 10 Questions"));
}

void TestTestMode::secondTestReplacesTheReport() {
    choose("Test By Planets", "Keywords");
    scriptTest(10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0);
    start();
    for (int q = 0; q < 10; ++q)
        nextQuestion();
    QTest::mouseClick(button("cmdBackToMain_1"), Qt::LeftButton);
    QCOMPARE(m_app->currentScreen(), m_app->screen(1));
    QVERIFY(report().contains("Test By Planets - Keywords")); // stays underneath until the next report
    choose("Test By Signs", "Birthstone");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    for (int q = 0; q < 12; ++q)
        nextQuestion();
    QVERIFY(report().startsWith("Orbelle Result\n\nTest By Signs - Birthstone\n\n"));
    QVERIFY(!report().contains("Keywords"));
    QCOMPARE(report().count("Question: "), 12);
}

void TestTestMode::backToMainThenNextStartsAFreshTest() {
    choose("Test By Signs", "Element");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    for (int q = 0; q < 12; ++q)
        nextQuestion();
    QTest::mouseClick(button("cmdBackToMain_1"), Qt::LeftButton);
    QCOMPARE(w->workingState().CurrentIndex, 0);
    QVERIFY(w->workingState().QuestionOrder.empty());
    QVERIFY(w->workingState().UserAnswers.empty());
    scriptTest(12, {11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, 0);
    start();
    QCOMPARE(m_app->currentScreen(), test());
    QCOMPARE(lblTest(2)->text(), QString("Pisces"));
    QCOMPARE(w->workingState().QuestionOrder.size(), std::size_t(13));
}

void TestTestMode::copyGuardOnAnAnswerBox() {
    choose("Test By Signs", "Element");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    const int before = m_app->clipboard.clears;
    QTest::mouseMove(txtAnswer_Choice(2)->viewport(), QPoint(10, 5));
    QTest::mouseMove(txtAnswer_Choice(2)->viewport(), QPoint(50, 8));
    QVERIFY(m_app->clipboard.clears > before);
    // A new question with other texts empties it as well.
    const int beforeNext = m_app->clipboard.clears;
    nextQuestion();
    QVERIFY(m_app->clipboard.clears > beforeNext);
}

void TestTestMode::reportIsReadByCaretButNeverSelected_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Shift+Down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Shift+End") << int(Qt::Key_End) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void TestTestMode::reportIsReadByCaretButNeverSelected() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    choose("Test By Planets", "Keywords");
    scriptTest(10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0);
    start();
    for (int q = 0; q < 10; ++q)
        nextQuestion();
    QTextEdit* rtb = this->rtb();
    QCOMPARE(QApplication::focusWidget(), rtb);
    // Heard on arrival with the title: the test line and the score line.
    QCOMPARE(rtb->accessibleDescription(), "Test By Planets - Keywords. " + report().section('\n', -1));
    QTest::keyClick(rtb, Qt::Key_Down); // line by line
    QCOMPARE(rtb->textCursor().blockNumber(), 1);

    const int before = m_app->clipboard.clears;
    QTest::keyClick(rtb, Qt::Key(key), modifiers);
    QVERIFY(!rtb->textCursor().hasSelection());
    QVERIFY(m_app->clipboard.clears > before);
}

void TestTestMode::choiceTextsAreTabStopsOnlyWhenTheyScroll_data() {
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<bool>("tabStops");
    QTest::newRow("one word: heard with its option button") << "Element" << false;
    QTest::newRow("a paragraph: scrolled by keyboard") << "Positive Traits" << true;
}

void TestTestMode::choiceTextsAreTabStopsOnlyWhenTheyScroll() {
    QFETCH(QString, attribute);
    QFETCH(bool, tabStops);
    choose("Test By Signs", attribute);
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    for (int k = 0; k < 5; ++k)
        QTRY_COMPARE(txtAnswer_Choice(k)->focusPolicy(), tabStops ? Qt::TabFocus : Qt::NoFocus);
}

void TestTestMode::longChoiceIsReadByCaretButNeverSelected() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    choose("Test By Signs", "Positive Traits");
    scriptTest(12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0);
    start();
    QTRY_COMPARE(txtAnswer_Choice(0)->focusPolicy(), Qt::TabFocus);
    // The box stands next to its choice: one Tab from the selected choice reaches it.
    QCOMPARE(QApplication::focusWidget(), optAnswer_Choice(0));
    QTest::keyClick(optAnswer_Choice(0), Qt::Key_Tab);
    QPlainTextEdit* box = txtAnswer_Choice(0);
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Down); // line by line
    QVERIFY(box->textCursor().position() > 0);

    const int before = m_app->clipboard.clears;
    QTest::keyClick(box, Qt::Key(key), modifiers);
    QVERIFY(!box->textCursor().hasSelection());
    QVERIFY(m_app->clipboard.clears > before);
    QVERIFY(optAnswer_Choice(0)->isChecked()); // reading a choice does not pick another
}

QTEST_MAIN(TestTestMode)
#include "tst_testmode.moc"
