// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result report of whole scripted tests: its exact text, the score, and which
// pieces are emphasised.

#include "test/Answering.h"
#include "test/QuestionGenerator.h"
#include "test/ResultReport.h"

#include "PlainText.h"

#include "fakes/FakePlatform.h"
#include "knowledge/WorkingState.h"

#include <QTest>

#include <optional>
#include <string>

using namespace orbelle::modLearnAstrology;
using namespace orbelle::test;
using orbelle::fakes::drawFor;
using orbelle::fakes::ScriptedRandom;

namespace {

// Stands for "no option button selected" in the answer lists of the data rows.
const QString NoSelection = QStringLiteral("<no selection>");

struct ScriptedTest {
    int topicIndex;
    int attributeIndex;
    QString topicCaption;
    QString attributeCaption;
    QList<int> order;
    QStringList answers; // one per question, in asking order
};

// Plays a whole test the way the window does: Next on the welcome screen, then one
// Next Question per question. The choices on show do not matter to the report.
WorkingState play(const ScriptedTest& test) {
    const int m = static_cast<int>(test.order.size()) - 1;
    ScriptedRandom random;
    for (const int record : test.order)
        random.push(drawFor(record, m));

    WorkingState state;
    state.TopicIndex = test.topicIndex;
    state.AttributeIndex = test.attributeIndex;
    state.TopicCaption = test.topicCaption.toStdString();
    state.AttributeCaption = test.attributeCaption.toStdString();
    state.CurrentIndex = 0;
    for (const QString& answer : test.answers) {
        for (int record = 0; record < 5; ++record)
            random.push(drawFor(record, m));
        random.push(0.0f);
        ShowQuestion(state, random);
        const std::optional<std::string> selected =
            answer == NoSelection ? std::nullopt : std::optional<std::string>(answer.toStdString());
        if (AnswerQuestion(state, selected) == AfterAnswer::Finished)
            break;
    }
    return state;
}

const ScriptedTest& signsElement() {
    static const ScriptedTest test{
        0,
        7,
        "Test By Signs",
        "Element",
        {4, 0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11},
        {"Water", "Fire", "Earth", "Air", "Water", "Air", "Air", "water", "Fire", "Earth", NoSelection, "Fire"}};
    return test;
}

const ScriptedTest& housesType() {
    static const ScriptedTest test{2,
                                   6,
                                   "Test By Houses",
                                   "House Type",
                                   {0, 11, 5, 6, 1, 2, 3, 4, 7, 8, 9, 10},
                                   {"Angular House (Action)", "Angular House (Action)", "Cadent House (Adaptable)",
                                    "Angular House (Action)", "Cadent House (Adaptable)", "Cadent House (Adaptable)",
                                    "Angular House (Action) ", "Succedent House (Fixed)", "Succedent House (Fixed)",
                                    "Cadent House (Adaptable)", "Angular House (Action)", "Succedent House (Fixed)"}};
    return test;
}

const ScriptedTest& planetsGlyphs() {
    static const ScriptedTest test{
        1,
        0,
        "Test By Planets",
        "Glyphs (Image)",
        {2, 0, 9, 1, 3, 4, 5, 6, 7, 8},
        {"Jupiter", "Sun", "Pluto", "Moon", "Mercury", "Venus", "Mars", "Saturn", "Uranus", "Neptune"}};
    return test;
}

QString reportText(const ResultReport& report) {
    return QString::fromStdString(PlainText(report));
}

} // namespace

class TestResultReport : public QObject {
    Q_OBJECT

private slots:
    void fullText_data();
    void fullText();
    void score_data();
    void score();
    void repeatedValueOfAnotherRecordIsRight();
    void emptyAnswerIsNeverRight_data();
    void emptyAnswerIsNeverRight();
    void luckyNumberAsStoredOnBothLines_data();
    void luckyNumberAsStoredOnBothLines();
    void emphasisPattern_data();
    void emphasisPattern();
    void withoutATest();
};

void TestResultReport::fullText_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("total");

    QTest::newRow("signs, Element: Leo first, 7 right")
        << 0
        << QString("Orbelle Result\r\n\r\n"
                   "Test By Signs - Element\r\n\r\n"
                   "Question: Leo\r\nCorrect Answer: Fire\r\nYour Answer: Water\r\n\r\n"
                   "Question: Aries\r\nCorrect Answer: Fire\r\nYour Answer: Fire\r\n\r\n"
                   "Question: Taurus\r\nCorrect Answer: Earth\r\nYour Answer: Earth\r\n\r\n"
                   "Question: Gemini\r\nCorrect Answer: Air\r\nYour Answer: Air\r\n\r\n"
                   "Question: Cancer\r\nCorrect Answer: Water\r\nYour Answer: Water\r\n\r\n"
                   "Question: Virgo\r\nCorrect Answer: Earth\r\nYour Answer: Air\r\n\r\n"
                   "Question: Libra\r\nCorrect Answer: Air\r\nYour Answer: Air\r\n\r\n"
                   "Question: Scorpio\r\nCorrect Answer: Water\r\nYour Answer: water\r\n\r\n"
                   "Question: Sagittarius\r\nCorrect Answer: Fire\r\nYour Answer: Fire\r\n\r\n"
                   "Question: Capricorn\r\nCorrect Answer: Earth\r\nYour Answer: Earth\r\n\r\n"
                   "Question: Aquarius\r\nCorrect Answer: Air\r\nYour Answer: \r\n\r\n"
                   "Question: Pisces\r\nCorrect Answer: Water\r\nYour Answer: Fire\r\n\r\n"
                   "7 Correct out of 12 Questions")
        << 7 << 12;
    QTest::newRow("houses, House Type: questions name the signs, 9 right")
        << 1
        << QString("Orbelle Result\r\n\r\n"
                   "Test By Houses - House Type\r\n\r\n"
                   "Question: Aries\r\nCorrect Answer: Angular House (Action)\r\n"
                   "Your Answer: Angular House (Action)\r\n\r\n"
                   "Question: Pisces\r\nCorrect Answer: Cadent House (Adaptable)\r\n"
                   "Your Answer: Angular House (Action)\r\n\r\n"
                   "Question: Virgo\r\nCorrect Answer: Cadent House (Adaptable)\r\n"
                   "Your Answer: Cadent House (Adaptable)\r\n\r\n"
                   "Question: Libra\r\nCorrect Answer: Angular House (Action)\r\n"
                   "Your Answer: Angular House (Action)\r\n\r\n"
                   "Question: Taurus\r\nCorrect Answer: Succedent House (Fixed)\r\n"
                   "Your Answer: Cadent House (Adaptable)\r\n\r\n"
                   "Question: Gemini\r\nCorrect Answer: Cadent House (Adaptable)\r\n"
                   "Your Answer: Cadent House (Adaptable)\r\n\r\n"
                   "Question: Cancer\r\nCorrect Answer: Angular House (Action)\r\n"
                   "Your Answer: Angular House (Action) \r\n\r\n"
                   "Question: Leo\r\nCorrect Answer: Succedent House (Fixed)\r\n"
                   "Your Answer: Succedent House (Fixed)\r\n\r\n"
                   "Question: Scorpio\r\nCorrect Answer: Succedent House (Fixed)\r\n"
                   "Your Answer: Succedent House (Fixed)\r\n\r\n"
                   "Question: Sagittarius\r\nCorrect Answer: Cadent House (Adaptable)\r\n"
                   "Your Answer: Cadent House (Adaptable)\r\n\r\n"
                   "Question: Capricorn\r\nCorrect Answer: Angular House (Action)\r\n"
                   "Your Answer: Angular House (Action)\r\n\r\n"
                   "Question: Aquarius\r\nCorrect Answer: Succedent House (Fixed)\r\n"
                   "Your Answer: Succedent House (Fixed)\r\n\r\n"
                   "9 Correct out of 12 Questions")
        << 9 << 12;
    QTest::newRow("planets, Glyphs (Image): names on both lines, all right")
        << 2
        << QString("Orbelle Result\r\n\r\n"
                   "Test By Planets - Glyphs (Image)\r\n\r\n"
                   "Question: Jupiter\r\nCorrect Answer: Jupiter\r\nYour Answer: Jupiter\r\n\r\n"
                   "Question: Sun\r\nCorrect Answer: Sun\r\nYour Answer: Sun\r\n\r\n"
                   "Question: Pluto\r\nCorrect Answer: Pluto\r\nYour Answer: Pluto\r\n\r\n"
                   "Question: Moon\r\nCorrect Answer: Moon\r\nYour Answer: Moon\r\n\r\n"
                   "Question: Mercury\r\nCorrect Answer: Mercury\r\nYour Answer: Mercury\r\n\r\n"
                   "Question: Venus\r\nCorrect Answer: Venus\r\nYour Answer: Venus\r\n\r\n"
                   "Question: Mars\r\nCorrect Answer: Mars\r\nYour Answer: Mars\r\n\r\n"
                   "Question: Saturn\r\nCorrect Answer: Saturn\r\nYour Answer: Saturn\r\n\r\n"
                   "Question: Uranus\r\nCorrect Answer: Uranus\r\nYour Answer: Uranus\r\n\r\n"
                   "Question: Neptune\r\nCorrect Answer: Neptune\r\nYour Answer: Neptune\r\n\r\n"
                   "10 Correct out of 10 Questions")
        << 10 << 10;
}

void TestResultReport::fullText() {
    QFETCH(int, which);
    QFETCH(QString, expected);
    QFETCH(int, correct);
    QFETCH(int, total);

    const ScriptedTest* tests[] = {&signsElement(), &housesType(), &planetsGlyphs()};
    const WorkingState state = play(*tests[which]);
    const ResultReport report = ShowResult(state);

    QCOMPARE(reportText(report), expected);
    QCOMPARE(report.correct, correct);
    QCOMPARE(report.total, total);
    // What the result screen says on arrival is the report's own first, third and last line.
    const QStringList lines = expected.split(QStringLiteral("\r\n"));
    QCOMPARE(QString::fromStdString(report.title), lines.first());
    QCOMPARE(QString::fromStdString(report.testLine), lines.at(2));
    QCOMPARE(QString::fromStdString(report.scoreLine), lines.last());
}

void TestResultReport::score_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("scoreLine");
    QTest::addColumn<int>("correct");

    const QList<int> signOrder{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    QTest::newRow("signs, Quality, none right: the digit 0")
        << 0 << 13 << signOrder << QStringList(12, "Cusp") << "0 Correct out of 12 Questions" << 0;
    QTest::newRow("signs, Quality, all but the first right")
        << 0 << 13 << signOrder << QStringList{"Cardinal", "Fixed", "Cardinal", "Mutable", "Fixed", "Cardinal",
                                               "Mutable",  "Fixed", "Cardinal", "Mutable", "Fixed", "Cardinal"}
        << "11 Correct out of 12 Questions" << 11;
    QTest::newRow("signs, Birthstone, no answer selected at all")
        << 0 << 12 << signOrder << QStringList(12, NoSelection) << "0 Correct out of 12 Questions" << 0;
    QTest::newRow("planets, all right") << 1 << 6 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}
                                        << QStringList{"None",     "27 days", "12 years", "88 days", "225 days",
                                                       "687 days", "29 yrs",  "84 yrs",   "165 yrs", "248 years"}
                                        << "10 Correct out of 10 Questions" << 10;
    QTest::newRow("houses, all right") << 2 << 5 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}
                                       << QStringList{"To Be",      "To Have",    "To Communicate", "To Belong",
                                                      "To Create",  "To Serve",   "To Relate",      "To Transform",
                                                      "To Explore", "To Achieve", "To Innovate",    "To Reintegrate"}
                                       << "12 Correct out of 12 Questions" << 12;
}

void TestResultReport::score() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(QList<int>, order);
    QFETCH(QStringList, answers);
    QFETCH(QString, scoreLine);
    QFETCH(int, correct);

    const WorkingState state = play({topicIndex, attributeIndex, "T", "A", order, answers});
    const ResultReport report = ShowResult(state);

    QCOMPARE(report.correct, correct);
    QCOMPARE(report.total, static_cast<int>(order.size()));
    QVERIFY(!report.pieces.empty());
    QCOMPARE(QString::fromStdString(report.pieces.back().text), scoreLine);
    QVERIFY(report.pieces.back().emphasis);
    QVERIFY(reportText(report).endsWith("\r\n\r\n" + scoreLine));
}

void TestResultReport::repeatedValueOfAnotherRecordIsRight() {
    // Leo is asked on Element; choice 0 shows Aries's "Fire", and Leo itself lands at place 4.
    ScriptedRandom random;
    for (const int record : {4, 0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11})
        random.push(drawFor(record, 11));
    for (const int record : {0, 1, 2, 3, 5})
        random.push(drawFor(record, 11));
    random.push(drawFor(4, 4));

    WorkingState state;
    state.TopicIndex = 0;
    state.AttributeIndex = 7;
    state.CurrentIndex = 0;
    const QuestionView view = ShowQuestion(state, random);
    QCOMPARE(view.choices[0], std::string("Fire"));
    QCOMPARE(view.choices[4], std::string("Fire"));
    QCOMPARE(view.choices[1], std::string("Earth"));

    AnswerQuestion(state, view.choices[0]);
    for (int q = 1; q < 12; ++q) {
        for (int record = 0; record < 5; ++record)
            random.push(drawFor(record, 11));
        random.push(0.0f);
        ShowQuestion(state, random);
        AnswerQuestion(state, std::nullopt);
    }
    const ResultReport report = ShowResult(state);

    QCOMPARE(report.correct, 1);
    QVERIFY(reportText(report).contains("Question: Leo\r\nCorrect Answer: Fire\r\nYour Answer: Fire\r\n\r\n"));
}

void TestResultReport::emptyAnswerIsNeverRight_data() {
    QTest::addColumn<QString>("answer");

    QTest::newRow("no option selected") << NoSelection;
    QTest::newRow("an empty caption") << "";
}

void TestResultReport::emptyAnswerIsNeverRight() {
    QFETCH(QString, answer);

    QStringList answers(10, "Sun");
    answers[3] = answer;
    const WorkingState state =
        play({1, 0, "Test By Planets", "Glyphs (Image)", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, answers});
    const ResultReport report = ShowResult(state);

    QCOMPARE(report.correct, 1); // the Sun question only
    // Pieces: title, test line, then five per question; question 3's answer is piece 2 + 15 + 4.
    const ReportPiece& given = report.pieces.at(21);
    QCOMPARE(given.text, std::string("\r\n\r\n"));
    QVERIFY(!given.emphasis);
    QVERIFY(reportText(report).contains("Question: Mercury\r\nCorrect Answer: Mercury\r\nYour Answer: \r\n\r\n"
                                        "Question: Venus\r\n"));
}

void TestResultReport::luckyNumberAsStoredOnBothLines_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("correct");

    QTest::newRow("stored text: right") << "8 && 9" << 1;
    QTest::newRow("as a label would show it: wrong") << "8 & 9" << 0;
}

void TestResultReport::luckyNumberAsStoredOnBothLines() {
    QFETCH(QString, answer);
    QFETCH(int, correct);

    QStringList answers(12, NoSelection);
    answers[0] = answer;
    const WorkingState state =
        play({0, 9, "Test By Signs", "Lucky Number", {4, 0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11}, answers});
    const ResultReport report = ShowResult(state);

    QCOMPARE(report.correct, correct);
    QVERIFY(reportText(report).startsWith("Orbelle Result\r\n\r\nTest By Signs - Lucky Number\r\n\r\n"
                                          "Question: Leo\r\nCorrect Answer: 8 && 9\r\nYour Answer: " +
                                          answer + "\r\n\r\nQuestion: Aries\r\n"));
}

void TestResultReport::emphasisPattern_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("questions");

    QTest::newRow("signs test") << 0 << 12;
    QTest::newRow("planets test") << 2 << 10;
}

void TestResultReport::emphasisPattern() {
    QFETCH(int, which);
    QFETCH(int, questions);

    const ScriptedTest* tests[] = {&signsElement(), &housesType(), &planetsGlyphs()};
    const ResultReport report = ShowResult(play(*tests[which]));

    QString pattern;
    for (const ReportPiece& piece : report.pieces)
        pattern += piece.emphasis ? QLatin1Char('B') : QLatin1Char('-');
    QCOMPARE(pattern, "BB" + QString("BB-B-").repeated(questions) + "B");

    // The first question's block, piece by piece.
    QCOMPARE(report.pieces.at(2).text.substr(0, 10), std::string("Question: "));
    QCOMPARE(report.pieces.at(3).text, std::string("Correct Answer: "));
    QCOMPARE(report.pieces.at(5).text, std::string("Your Answer: "));
    QVERIFY(report.pieces.at(4).text.ends_with("\r\n") && !report.pieces.at(4).text.ends_with("\r\n\r\n"));
    QVERIFY(report.pieces.at(6).text.ends_with("\r\n\r\n"));
    QVERIFY(!report.pieces.back().text.ends_with("\n"));
}

void TestResultReport::withoutATest() {
    const ResultReport report = ShowResult(WorkingState{});

    QCOMPARE(reportText(report), QString("Orbelle Result\r\n\r\n - \r\n\r\n0 Correct out of 0 Questions"));
    QCOMPARE(report.correct, 0);
    QCOMPARE(report.total, 0);
}

QTEST_APPLESS_MAIN(TestResultReport)
#include "tst_resultreport.moc"
