// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time of one whole test: building it, every question with its choices, an answer to
// each, and the result report with its text.

#include "test/Answering.h"
#include "test/QuestionGenerator.h"
#include "test/ResultReport.h"

#include "PlainText.h"

#include "knowledge/WorkingState.h"
#include "platform/Mt19937Random.h"

#include <QTest>

#include <string>

using namespace orbelle::modLearnAstrology;
using namespace orbelle::test;
using orbelle::platform::Mt19937Random;

class BenchTestRun : public QObject {
    Q_OBJECT

private slots:
    void wholeTest_data();
    void wholeTest();
};

void BenchTestRun::wholeTest_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<int>("questions");

    QTest::newRow("signs, Positive Traits (long texts)") << 0 << 5 << 12;
    QTest::newRow("signs, Element") << 0 << 7 << 12;
    QTest::newRow("planets, Keywords") << 1 << 2 << 10;
    QTest::newRow("houses, House Type") << 2 << 6 << 12;
}

void BenchTestRun::wholeTest() {
    QFETCH(int, topicIndex);
    QFETCH(int, attributeIndex);
    QFETCH(int, questions);

    Mt19937Random random(20240611u);
    WorkingState state;
    state.TopicIndex = topicIndex;
    state.AttributeIndex = attributeIndex;
    state.TopicCaption = "Test";
    state.AttributeCaption = "Attribute";
    int answered = 0;
    std::size_t reportLength = 0;

    QBENCHMARK {
        state.CurrentIndex = 0;
        AfterAnswer next = AfterAnswer::NextQuestion;
        while (next == AfterAnswer::NextQuestion) {
            const QuestionView view = ShowQuestion(state, random);
            next = AnswerQuestion(state, view.choices[0]);
            ++answered;
        }
        reportLength = PlainText(ShowResult(state)).size();
    }

    // Keeps the work observable, and catches a run that stopped early.
    QCOMPARE(answered % questions, 0);
    QVERIFY(reportLength > 0);
}

QTEST_APPLESS_MAIN(BenchTestRun)
#include "bench_testrun.moc"
