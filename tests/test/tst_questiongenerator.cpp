// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The question generator with every draw scripted: the question order, the five
// choices with the right one's place, and what the test screen is given to show.

#include "test/QuestionGenerator.h"

#include "fakes/FakePlatform.h"
#include "knowledge/Pictures.h"
#include "knowledge/WorkingState.h"

#include <QTest>

#include <string>
#include <vector>

using namespace orbelle::modLearnAstrology;
using namespace orbelle::test;
using orbelle::fakes::drawFor;
using orbelle::fakes::ScriptedRandom;

namespace {

int questionsOf(int topicIndex) {
    return topicIndex == 1 ? 10 : 12;
}

WorkingState testChoice(int topicIndex, int attributeIndex) {
    WorkingState state;
    state.TopicIndex = topicIndex;
    state.AttributeIndex = attributeIndex;
    state.TopicCaption = "Topic caption";
    state.AttributeCaption = "Attribute caption";
    state.CurrentIndex = 0;
    return state;
}

// Scripts one draw per record index, each landing well inside its band of nearest(u * m).
void pushRecords(ScriptedRandom& random, const QList<int>& records, int m) {
    for (const int record : records)
        random.push(drawFor(record, m));
}

// The draws of one question whose choices do not matter to the case at hand.
void pushAnyChoices(ScriptedRandom& random, int m) {
    pushRecords(random, {0, 1, 2, 3, 4}, m);
    random.push(0.0f);
}

// An order that asks `first` first and then the remaining records in table order.
QList<int> orderStartingWith(int first, int n) {
    QList<int> order{first};
    for (int record = 0; record < n; ++record)
        if (record != first)
            order.append(record);
    return order;
}

QList<int> askedOrder(const WorkingState& state, int n) {
    QList<int> order;
    for (int q = 0; q < n; ++q)
        order.append(state.QuestionOrder[static_cast<std::size_t>(q)]);
    return order;
}

QStringList toStringList(const std::vector<std::string>& texts, int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list.append(QString::fromStdString(texts[static_cast<std::size_t>(i)]));
    return list;
}

QStringList choicesOf(const QuestionView& view) {
    QStringList list;
    for (const std::string& choice : view.choices)
        list.append(QString::fromStdString(choice));
    return list;
}

} // namespace

class TestQuestionGenerator : public QObject {
    Q_OBJECT

private slots:
    void questionOrder_data();
    void questionOrder();
    void exactHalvesInTheOrder_data();
    void exactHalvesInTheOrder();
    void correctAnswers_data();
    void correctAnswers();
    void choices_data();
    void choices();
    void titles_data();
    void titles();
    void pictures_data();
    void pictures();
    void freshArrays_data();
    void freshArrays();
    void secondTestReplacesTheFirst();
    void laterQuestionKeepsTheTest();
    void outsideTheTest_data();
    void outsideTheTest();
};

void TestQuestionGenerator::questionOrder_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<QList<int>>("orderDraws");
    QTest::addColumn<QList<int>>("expectedOrder");

    QTest::newRow("signs: repeats are drawn again")
        << 0 << QList<int>{5, 5, 0, 11, 0, 11, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
        << QList<int>{5, 0, 11, 1, 2, 3, 4, 6, 7, 8, 9, 10};
    QTest::newRow("planets: both ends 0 and 9 reachable")
        << 1 << QList<int>{9, 0, 9, 4, 0, 4, 1, 2, 3, 5, 6, 7, 8} << QList<int>{9, 0, 4, 1, 2, 3, 5, 6, 7, 8};
    QTest::newRow("houses: the last place waits for the one missing record")
        << 2 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 3, 0, 10, 5, 11}
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    QTest::newRow("topic index 7 counts as houses")
        << 7 << QList<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0} << QList<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
}

void TestQuestionGenerator::questionOrder() {
    QFETCH(int, topicIndex);
    QFETCH(QList<int>, orderDraws);
    QFETCH(QList<int>, expectedOrder);
    const int n = questionsOf(topicIndex);

    ScriptedRandom random;
    pushRecords(random, orderDraws, n - 1);
    pushAnyChoices(random, n - 1);
    WorkingState state = testChoice(topicIndex, 0);
    ShowQuestion(state, random);

    QCOMPARE(askedOrder(state, n), expectedOrder);
    // The order's draws, then five choices and one place: nothing more, nothing less.
    QCOMPARE(random.drawsTaken(), static_cast<int>(orderDraws.size()) + 6);
    QVERIFY(random.exhausted());
    QVERIFY(random.seeds.empty()); // seeding is the start-up's business alone
}

void TestQuestionGenerator::exactHalvesInTheOrder_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<float>("firstDraw");
    QTest::addColumn<int>("expectedFirst");

    QTest::newRow("signs: u*11 = 5.5 gives 6") << 0 << 0.5f << 6;
    QTest::newRow("houses: u*11 = 5.5 gives 6") << 2 << 0.5f << 6;
    QTest::newRow("planets: u*9 = 4.5 gives 4") << 1 << 0.5f << 4;
    QTest::newRow("signs: u = 0 gives 0") << 0 << 0.0f << 0;
    QTest::newRow("signs: largest u gives 11") << 0 << drawFor(11, 11) << 11;
    QTest::newRow("planets: largest u gives 9") << 1 << drawFor(9, 9) << 9;
}

void TestQuestionGenerator::exactHalvesInTheOrder() {
    QFETCH(int, topicIndex);
    QFETCH(float, firstDraw);
    QFETCH(int, expectedFirst);
    const int n = questionsOf(topicIndex);

    ScriptedRandom random;
    random.push(firstDraw);
    pushRecords(random, orderStartingWith(expectedFirst, n).mid(1), n - 1);
    pushAnyChoices(random, n - 1);
    WorkingState state = testChoice(topicIndex, 0);
    ShowQuestion(state, random);

    QCOMPARE(askedOrder(state, n), orderStartingWith(expectedFirst, n));
    QVERIFY(random.exhausted());
}

void TestQuestionGenerator::correctAnswers_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QStringList>("expectedAnswers");

    QTest::newRow("signs, Lucky Number, kept as stored")
        << 0 << 9 << QList<int>{4, 0, 11, 9, 1, 2, 3, 5, 6, 7, 8, 10}
        << QStringList{"8 && 9", "9",      "2 && 6", "8 && 2", "6",      "5",
                       "2",      "3 && 5", "6 && 9", "2 && 4", "5 && 7", "1 && 7"};
    QTest::newRow("planets, Time to complete one Cycle")
        << 1 << 6 << QList<int>{9, 0, 8, 1, 7, 2, 6, 3, 5, 4}
        << QStringList{"248 years", "None",   "165 yrs", "27 days",  "84 yrs",
                       "12 years",  "29 yrs", "88 days", "687 days", "225 days"};
    QTest::newRow("houses, House Type repeats its values")
        << 2 << 6 << QList<int>{11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
        << QStringList{"Cadent House (Adaptable)", "Angular House (Action)", "Succedent House (Fixed)",
                       "Cadent House (Adaptable)", "Angular House (Action)", "Succedent House (Fixed)",
                       "Cadent House (Adaptable)", "Angular House (Action)", "Succedent House (Fixed)",
                       "Cadent House (Adaptable)", "Angular House (Action)", "Succedent House (Fixed)"};
    QTest::newRow("signs, Glyphs (Image) answers with the names")
        << 0 << 0 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
        << QStringList{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                       "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
}

void TestQuestionGenerator::correctAnswers() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(QList<int>, order);
    QFETCH(QStringList, expectedAnswers);
    const int n = questionsOf(topicIndex);

    ScriptedRandom random;
    pushRecords(random, order, n - 1);
    pushAnyChoices(random, n - 1);
    WorkingState state = testChoice(topicIndex, attributeIndex);
    ShowQuestion(state, random);

    QCOMPARE(toStringList(state.CorrectAnswers, n), expectedAnswers);
    QCOMPARE(state.CorrectAnswers[static_cast<std::size_t>(n)], std::string());
}

void TestQuestionGenerator::choices_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<int>("question");
    QTest::addColumn<QList<float>>("choiceDraws"); // the five records, then the place
    QTest::addColumn<QStringList>("expectedChoices");

    const auto planet = [](int record) { return drawFor(record, 9); };
    const auto sign = [](int record) { return drawFor(record, 11); };
    const QList<int> jupiterFirst = orderStartingWith(2, 10);

    QTest::newRow("asked record lands at place 2 (u*4 = 2.5 gives 2)")
        << 1 << 0 << jupiterFirst << 0 << QList<float>{planet(0), planet(1), planet(3), planet(4), planet(5), 0.625f}
        << QStringList{"Sun", "Moon", "Jupiter", "Venus", "Mars"};
    QTest::newRow("u*4 = 1.5 gives place 2")
        << 1 << 0 << jupiterFirst << 0 << QList<float>{planet(0), planet(1), planet(3), planet(4), planet(5), 0.375f}
        << QStringList{"Sun", "Moon", "Jupiter", "Venus", "Mars"};
    QTest::newRow("u*4 = 0.5 gives place 0")
        << 1 << 0 << jupiterFirst << 0 << QList<float>{planet(0), planet(1), planet(3), planet(4), planet(5), 0.125f}
        << QStringList{"Jupiter", "Moon", "Mercury", "Venus", "Mars"};
    QTest::newRow("u*4 = 3.5 gives place 4")
        << 1 << 0 << jupiterFirst << 0 << QList<float>{planet(0), planet(1), planet(3), planet(4), planet(5), 0.875f}
        << QStringList{"Sun", "Moon", "Mercury", "Venus", "Jupiter"};
    QTest::newRow("asked record already drawn stands twice")
        << 1 << 0 << jupiterFirst << 0
        << QList<float>{planet(2), planet(7), planet(8), planet(9), planet(0), drawFor(4, 4)}
        << QStringList{"Jupiter", "Uranus", "Neptune", "Pluto", "Jupiter"};
    QTest::newRow("repeated choice draws are drawn again")
        << 1 << 0 << jupiterFirst << 0
        << QList<float>{planet(3), planet(3), planet(6), planet(3), planet(6), planet(1), planet(9), planet(0), 0.0f}
        << QStringList{"Jupiter", "Saturn", "Moon", "Pluto", "Sun"};
    QTest::newRow("planets: u*9 = 4.5 gives Venus (4)")
        << 1 << 0 << jupiterFirst << 0 << QList<float>{0.5f, planet(0), planet(1), planet(3), planet(9), drawFor(4, 4)}
        << QStringList{"Venus", "Sun", "Moon", "Mercury", "Jupiter"};
    QTest::newRow("signs: u*11 = 5.5 gives Libra (6)")
        << 0 << 0 << orderStartingWith(11, 12) << 0
        << QList<float>{0.5f, sign(0), sign(1), sign(2), sign(3), drawFor(4, 4)}
        << QStringList{"Libra", "Aries", "Taurus", "Gemini", "Pisces"};
    QTest::newRow("signs, Lucky Number, question 5: texts as stored")
        << 0 << 9 << QList<int>{11, 10, 9, 8, 7, 4, 6, 5, 3, 2, 1, 0} << 5
        << QList<float>{0.5f, sign(9), sign(10), sign(0), sign(1), 0.625f}
        << QStringList{"6 && 9", "8 && 2", "8 && 9", "9", "6"};
    QTest::newRow("houses, House Type, last question: right text at two places")
        << 2 << 6 << QList<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0} << 11
        << QList<float>{sign(1), sign(2), sign(3), sign(4), sign(5), 0.125f}
        << QStringList{"Angular House (Action)", "Cadent House (Adaptable)", "Angular House (Action)",
                       "Succedent House (Fixed)", "Cadent House (Adaptable)"};
}

void TestQuestionGenerator::choices() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(QList<int>, order);
    QFETCH(int, question);
    QFETCH(QList<float>, choiceDraws);
    QFETCH(QStringList, expectedChoices);
    const int n = questionsOf(topicIndex);

    ScriptedRandom random;
    pushRecords(random, order, n - 1);
    WorkingState state = testChoice(topicIndex, attributeIndex);
    if (question != 0) {
        pushAnyChoices(random, n - 1);
        ShowQuestion(state, random);
        state.CurrentIndex = question;
    }
    for (const float u : choiceDraws)
        random.push(u);
    const int takenBefore = question != 0 ? random.drawsTaken() : static_cast<int>(order.size());
    const QuestionView view = ShowQuestion(state, random);

    QCOMPARE(choicesOf(view), expectedChoices);
    QCOMPARE(random.drawsTaken() - takenBefore, static_cast<int>(choiceDraws.size()));
    QVERIFY(random.exhausted());
    QVERIFY(random.seeds.empty());
}

void TestQuestionGenerator::titles_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("recordName");

    QTest::newRow("first house: 1st House, named by its sign") << 2 << 0 << 0 << "1st House"
                                                               << "Aries";
    QTest::newRow("last house: 12th House") << 2 << 3 << 11 << "12th House"
                                            << "Pisces";
    QTest::newRow("topic index 7: a house title") << 7 << 6 << 3 << "4th House"
                                                  << "Cancer";
    QTest::newRow("sign: its name") << 0 << 7 << 4 << "Leo"
                                    << "Leo";
    QTest::newRow("sign with Glyphs (Image)") << 0 << 0 << 11 << "Pisces"
                                              << "Pisces";
    QTest::newRow("planet: its name") << 1 << 2 << 2 << "Jupiter"
                                      << "Jupiter";
    QTest::newRow("last planet") << 1 << 7 << 9 << "Pluto"
                                 << "Pluto";
}

void TestQuestionGenerator::titles() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(int, asked);
    QFETCH(QString, title);
    QFETCH(QString, recordName);
    const int n = questionsOf(topicIndex);

    ScriptedRandom random;
    pushRecords(random, orderStartingWith(asked, n), n - 1);
    pushAnyChoices(random, n - 1);
    WorkingState state = testChoice(topicIndex, attributeIndex);
    const QuestionView view = ShowQuestion(state, random);

    QCOMPARE(QString::fromStdString(view.title), title);
    QCOMPARE(QString::fromStdString(view.recordName), recordName);
    QCOMPARE(view.topicCaption, std::string("Topic caption"));
    QCOMPARE(view.attributeCaption, std::string("Attribute caption"));
    QCOMPARE(view.number, 1);
    QCOMPARE(view.count, n);
}

void TestQuestionGenerator::pictures_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("position"); // from 1

    QTest::newRow("Aries: sign list position 1") << 0 << 0 << 0 << "sign" << 1;
    QTest::newRow("Pisces with Element: sign list position 12") << 0 << 7 << 11 << "sign" << 12;
    QTest::newRow("Jupiter: planet list position 3") << 1 << 0 << 2 << "planet" << 3;
    QTest::newRow("Sun with Keywords: planet list position 1") << 1 << 2 << 0 << "planet" << 1;
    QTest::newRow("Pluto: planet list position 10") << 1 << 7 << 9 << "planet" << 10;
    QTest::newRow("first house: no picture") << 2 << 0 << 0 << "none" << 0;
    QTest::newRow("topic index 5: no picture") << 5 << 0 << 4 << "none" << 0;
}

void TestQuestionGenerator::pictures() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(int, asked);
    QFETCH(QString, list);
    QFETCH(int, position);
    const int n = questionsOf(topicIndex);

    ScriptedRandom random;
    pushRecords(random, orderStartingWith(asked, n), n - 1);
    pushAnyChoices(random, n - 1);
    WorkingState state = testChoice(topicIndex, attributeIndex);
    const QuestionView view = ShowQuestion(state, random);

    const Picture* expected = nullptr;
    if (list == "sign")
        expected = ImageAt(imgSign(), position);
    else if (list == "planet")
        expected = ImageAt(imgPlanet(), position);
    QCOMPARE(view.picture, expected);
}

void TestQuestionGenerator::freshArrays_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("firstValue");

    QTest::newRow("signs: 12 questions") << 0 << 7 << 12 << "Aries"
                                         << "Fire";
    QTest::newRow("planets: 10 questions") << 1 << 1 << 10 << "Sun"
                                           << "Leo";
    QTest::newRow("houses: 12 questions, named by their signs") << 2 << 0 << 12 << "Aries"
                                                                << "The House of Identity";
    QTest::newRow("topic index 3: 12 house questions") << 3 << 5 << 12 << "Aries"
                                                       << "To Be";
}

void TestQuestionGenerator::freshArrays() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(int, questions);
    QFETCH(QString, firstName);
    QFETCH(QString, firstValue);
    const auto slotCount = static_cast<std::size_t>(questions + 1);

    ScriptedRandom random;
    pushRecords(random, orderStartingWith(questions - 1, questions), questions - 1);
    pushAnyChoices(random, questions - 1);
    WorkingState state = testChoice(topicIndex, attributeIndex);
    ShowQuestion(state, random);

    QCOMPARE(state.QuestionOrder.size(), slotCount);
    QCOMPARE(state.CorrectAnswers.size(), slotCount);
    QCOMPARE(state.UserAnswers.size(), slotCount);
    QCOMPARE(state.QuestionOrder.back(), 0);
    QCOMPARE(state.CorrectAnswers.back(), std::string());
    QCOMPARE(state.UserAnswers, std::vector<std::string>(slotCount));

    // The working copies carry one spare empty entry after the last record.
    QCOMPARE(state.RecordNames.size(), slotCount);
    QCOMPARE(state.RecordValues.size(), slotCount);
    QCOMPARE(QString::fromStdString(state.RecordNames.front()), firstName);
    QCOMPARE(QString::fromStdString(state.RecordValues.front()), firstValue);
    QCOMPARE(state.RecordNames.back(), std::string());
    QCOMPARE(state.RecordValues.back(), std::string());
    QCOMPARE(state.CurrentIndex, 0);
}

void TestQuestionGenerator::secondTestReplacesTheFirst() {
    ScriptedRandom random;
    pushRecords(random, orderStartingWith(11, 12), 11);
    pushAnyChoices(random, 11);
    WorkingState state = testChoice(0, 9);
    ShowQuestion(state, random);
    for (std::string& answer : state.UserAnswers)
        answer = "left over";
    state.CurrentIndex = 11;

    // The window's Next starts the next test at question 0 with the new choice.
    state.TopicIndex = 1;
    state.AttributeIndex = 0;
    state.CurrentIndex = 0;
    const QList<int> planetOrder{3, 1, 4, 0, 5, 9, 2, 6, 8, 7};
    pushRecords(random, planetOrder, 9);
    pushAnyChoices(random, 9);
    const QuestionView view = ShowQuestion(state, random);

    QCOMPARE(state.QuestionOrder.size(), std::size_t{11});
    QCOMPARE(askedOrder(state, 10), planetOrder);
    QCOMPARE(state.QuestionOrder[10], 0);
    QCOMPARE(state.UserAnswers, std::vector<std::string>(11));
    QCOMPARE(toStringList(state.CorrectAnswers, 11), (QStringList{"Mercury", "Moon", "Venus", "Sun", "Mars", "Pluto",
                                                                  "Jupiter", "Saturn", "Neptune", "Uranus", ""}));
    QCOMPARE(state.RecordValues.size(), std::size_t{11});
    QCOMPARE(view.title, std::string("Mercury"));
    QCOMPARE(view.picture, ImageAt(imgPlanet(), 4));
    QVERIFY(random.exhausted());
}

void TestQuestionGenerator::laterQuestionKeepsTheTest() {
    const QList<int> order{6, 2, 9, 4, 11, 0, 7, 1, 10, 3, 8, 5};
    ScriptedRandom random;
    pushRecords(random, order, 11);
    pushAnyChoices(random, 11);
    WorkingState state = testChoice(0, 7);
    ShowQuestion(state, random);
    const WorkingState built = state;

    state.CurrentIndex = 3;
    pushRecords(random, {0, 1, 2, 3, 5}, 11);
    random.push(drawFor(4, 4));
    const int takenBefore = random.drawsTaken();
    const QuestionView view = ShowQuestion(state, random);

    QCOMPARE(random.drawsTaken() - takenBefore, 6);
    QCOMPARE(state.QuestionOrder, built.QuestionOrder);
    QCOMPARE(state.CorrectAnswers, built.CorrectAnswers);
    QCOMPARE(state.RecordNames, built.RecordNames);
    QCOMPARE(state.RecordValues, built.RecordValues);
    QCOMPARE(view.title, std::string("Leo"));
    QCOMPARE(choicesOf(view), (QStringList{"Fire", "Earth", "Air", "Water", "Fire"}));
    QCOMPARE(view.picture, ImageAt(imgSign(), 5));
}

void TestQuestionGenerator::outsideTheTest_data() {
    QTest::addColumn<int>("builtTopic"); // -1: no test was built
    QTest::addColumn<int>("currentIndex");

    QTest::newRow("no test, question 3") << -1 << 3;
    QTest::newRow("no test, question -1") << -1 << -1;
    QTest::newRow("signs test, question 12 (the spare slot)") << 0 << 12;
    QTest::newRow("planets test, question 10 (the spare slot)") << 1 << 10;
    QTest::newRow("planets test, question 11") << 1 << 11;
    QTest::newRow("houses test, question -2") << 2 << -2;
}

void TestQuestionGenerator::outsideTheTest() {
    QFETCH(int, builtTopic);
    QFETCH(int, currentIndex);

    ScriptedRandom random;
    WorkingState state = testChoice(builtTopic < 0 ? 0 : builtTopic, 0);
    if (builtTopic >= 0) {
        const int n = questionsOf(builtTopic);
        pushRecords(random, orderStartingWith(0, n), n - 1);
        pushAnyChoices(random, n - 1);
        ShowQuestion(state, random);
    }
    const int takenBefore = random.drawsTaken();
    state.CurrentIndex = currentIndex;
    const QuestionView view = ShowQuestion(state, random);

    QCOMPARE(random.drawsTaken(), takenBefore);
    QVERIFY(view.topicCaption.empty());
    QVERIFY(view.attributeCaption.empty());
    QVERIFY(view.title.empty());
    QVERIFY(view.recordName.empty());
    QCOMPARE(choicesOf(view), QStringList(5));
    QCOMPARE(view.picture, nullptr);
}

QTEST_APPLESS_MAIN(TestQuestionGenerator)
#include "tst_questiongenerator.moc"
