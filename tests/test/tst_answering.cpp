// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Next Question: the selected caption becomes the answer, the counter moves on, and
// the last answer ends the test with the counter on the last question.

#include "test/Answering.h"
#include "test/QuestionGenerator.h"

#include "knowledge/WorkingState.h"
#include "platform/Mt19937Random.h"

#include <QTest>

#include <optional>
#include <string>
#include <vector>

using namespace orbelle::modLearnAstrology;
using namespace orbelle::test;
using orbelle::platform::Mt19937Random;

Q_DECLARE_METATYPE(orbelle::test::AfterAnswer)

namespace {

// A test as the generator leaves it at question 0, drawn from a fixed seed.
WorkingState startedTest(int topicIndex, int attributeIndex, Mt19937Random& random) {
    WorkingState state;
    state.TopicIndex = topicIndex;
    state.AttributeIndex = attributeIndex;
    state.CurrentIndex = 0;
    ShowQuestion(state, random);
    return state;
}

// A running test of `questions` questions, shaped the way the generator shapes one.
WorkingState testArrays(int topicIndex, int questions) {
    WorkingState state;
    state.TopicIndex = topicIndex;
    const auto slotCount = static_cast<std::size_t>(questions + 1);
    state.QuestionOrder.assign(slotCount, 0);
    state.CorrectAnswers.assign(slotCount, "right");
    state.UserAnswers.assign(slotCount, std::string());
    return state;
}

} // namespace

class TestAnswering : public QObject {
    Q_OBJECT

private slots:
    void untouchedChoicesAnswerWithChoiceZero_data();
    void untouchedChoicesAnswerWithChoiceZero();
    void storesTheCaptionAsGiven_data();
    void storesTheCaptionAsGiven();
    void noSelectionStoresNothing_data();
    void noSelectionStoresNothing();
    void lengthComesFromTheArrays_data();
    void lengthComesFromTheArrays();
    void questionCount_data();
    void questionCount();
    void withoutATestFinishesAtOnce();
};

void TestAnswering::untouchedChoicesAnswerWithChoiceZero_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<int>("lastIndex");

    QTest::newRow("signs, Element: ends at 11") << 0 << 7 << 11;
    QTest::newRow("planets, Keywords: ends at 9") << 1 << 2 << 9;
    QTest::newRow("houses, House Type: ends at 11") << 2 << 6 << 11;
}

void TestAnswering::untouchedChoicesAnswerWithChoiceZero() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(int, lastIndex);

    Mt19937Random random(7u);
    WorkingState state;
    state.TopicIndex = topicIndex;
    state.AttributeIndex = attributeIndex;
    state.CurrentIndex = 0;

    // The window passes the caption of choice 0 when the user never touched the choices.
    std::vector<std::string> shownFirst;
    std::vector<AfterAnswer> outcomes;
    for (int guard = 0; guard < 20; ++guard) {
        const QuestionView view = ShowQuestion(state, random);
        shownFirst.push_back(view.choices[0]);
        outcomes.push_back(AnswerQuestion(state, view.choices[0]));
        if (outcomes.back() == AfterAnswer::Finished)
            break;
    }

    const auto questions = static_cast<std::size_t>(lastIndex + 1);
    QCOMPARE(outcomes.size(), questions);
    for (std::size_t q = 0; q + 1 < questions; ++q)
        QVERIFY(outcomes[q] == AfterAnswer::NextQuestion);
    QVERIFY(outcomes.back() == AfterAnswer::Finished);
    QCOMPARE(state.CurrentIndex, lastIndex);
    for (std::size_t q = 0; q < questions; ++q)
        QCOMPARE(state.UserAnswers[q], shownFirst[q]);
    QCOMPARE(state.UserAnswers[questions], std::string()); // the spare slot
}

void TestAnswering::storesTheCaptionAsGiven_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("nextIndex");
    QTest::addColumn<AfterAnswer>("outcome");

    QTest::newRow("first question, lucky number as stored") << 0 << "8 && 9" << 1 << AfterAnswer::NextQuestion;
    QTest::newRow("middle question, two-line value") << 5 << "Sun\r\nMoon" << 6 << AfterAnswer::NextQuestion;
    QTest::newRow("second to last question") << 10 << "Fire" << 11 << AfterAnswer::NextQuestion;
    QTest::newRow("last question finishes, counter stays") << 11 << "Water" << 11 << AfterAnswer::Finished;
}

void TestAnswering::storesTheCaptionAsGiven() {
    QFETCH(int, question);
    QFETCH(QString, caption);
    QFETCH(int, nextIndex);
    QFETCH(AfterAnswer, outcome);

    WorkingState state = testArrays(0, 12);
    state.CurrentIndex = question;
    const AfterAnswer result = AnswerQuestion(state, caption.toStdString());

    QVERIFY(result == outcome);
    QCOMPARE(state.CurrentIndex, nextIndex);
    for (int q = 0; q <= 12; ++q)
        QCOMPARE(QString::fromStdString(state.UserAnswers[static_cast<std::size_t>(q)]),
                 q == question ? caption : QString());
}

void TestAnswering::noSelectionStoresNothing_data() {
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("storedBefore");
    QTest::addColumn<int>("nextIndex");
    QTest::addColumn<AfterAnswer>("outcome");

    QTest::newRow("empty slot stays empty") << 4 << "" << 5 << AfterAnswer::NextQuestion;
    QTest::newRow("a stored text is left alone") << 2 << "Earth" << 3 << AfterAnswer::NextQuestion;
    QTest::newRow("last question still finishes") << 9 << "" << 9 << AfterAnswer::Finished;
}

void TestAnswering::noSelectionStoresNothing() {
    QFETCH(int, question);
    QFETCH(QString, storedBefore);
    QFETCH(int, nextIndex);
    QFETCH(AfterAnswer, outcome);

    WorkingState state = testArrays(1, 10);
    state.UserAnswers[static_cast<std::size_t>(question)] = storedBefore.toStdString();
    const std::vector<std::string> before = state.UserAnswers;
    state.CurrentIndex = question;
    const AfterAnswer result = AnswerQuestion(state, std::nullopt);

    QVERIFY(result == outcome);
    QCOMPARE(state.CurrentIndex, nextIndex);
    QCOMPARE(state.UserAnswers, before);
}

void TestAnswering::lengthComesFromTheArrays_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("lastIndex");

    QTest::newRow("planets test while the topic reads signs") << 0 << 10 << 9;
    QTest::newRow("signs test while the topic reads planets") << 1 << 12 << 11;
    QTest::newRow("houses test") << 2 << 12 << 11;
}

void TestAnswering::lengthComesFromTheArrays() {
    QFETCH(int, topicIndex);
    QFETCH(int, questions);
    QFETCH(int, lastIndex);

    WorkingState state = testArrays(topicIndex, questions);
    state.CurrentIndex = 0;
    int answered = 0;
    while (AnswerQuestion(state, std::string("x")) == AfterAnswer::NextQuestion && answered < 20)
        ++answered;

    QCOMPARE(answered + 1, questions);
    QCOMPARE(state.CurrentIndex, lastIndex);
}

void TestAnswering::questionCount_data() {
    QTest::addColumn<int>("slotCount");
    QTest::addColumn<int>("expected");

    QTest::newRow("no test") << 0 << 0;
    QTest::newRow("one slot") << 1 << 0;
    QTest::newRow("planets: 11 slots") << 11 << 10;
    QTest::newRow("signs or houses: 13 slots") << 13 << 12;
}

void TestAnswering::questionCount() {
    QFETCH(int, slotCount);
    QFETCH(int, expected);

    WorkingState state;
    state.QuestionOrder.assign(static_cast<std::size_t>(slotCount), 0);
    QCOMPARE(QuestionCount(state), expected);
}

void TestAnswering::withoutATestFinishesAtOnce() {
    WorkingState state;
    state.CurrentIndex = 0;
    QVERIFY(AnswerQuestion(state, std::string("Fire")) == AfterAnswer::Finished);
    QCOMPARE(state.CurrentIndex, 0);
    QVERIFY(state.UserAnswers.empty());

    // A counter left past the last question by a caller writes nowhere, not even into
    // the spare slot, and the test stays finished.
    Mt19937Random random(1u);
    state = startedTest(1, 0, random);
    state.CurrentIndex = 10;
    QVERIFY(AnswerQuestion(state, std::string("Sun")) == AfterAnswer::Finished);
    QCOMPARE(state.CurrentIndex, 10);
    state.CurrentIndex = 11;
    QVERIFY(AnswerQuestion(state, std::string("Moon")) == AfterAnswer::Finished);
    QCOMPARE(state.UserAnswers, std::vector<std::string>(11));
}

QTEST_APPLESS_MAIN(TestAnswering)
#include "tst_answering.moc"
