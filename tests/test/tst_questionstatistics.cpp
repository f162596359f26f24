// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The generator with the real random source over many tests: every order is a
// permutation, every question offers five choices with the right text among them,
// and the draws keep the half-rate ends of nearest(u * m).
//
// How the bounds were chosen: each count below is (close to) binomial with n trials
// and probability p, and may stray from n p by at most 5 standard deviations
// sqrt(n p (1 - p)). A correct generator leaves that band with a probability below
// 6e-7 per count (about 3e-5 over all 49 counts), so another seed would pass as well.
// At the sample sizes used here the faults we guard against land far outside it: a
// truncating draw floor(u * N) gives the first record's ends p = 1/N instead of
// 1/(2 (N - 1)), more than 30 standard deviations off for every topic; floor(u * 5)
// for the right answer's place gives its ends 1/5 instead of 1/8, nearly 30 off; and
// an off-by-one range either reaches a record outside the table (the order is then no
// permutation) or never reaches the last record (then no test can be completed, and
// the draw cap below fails it).

#include "test/Answering.h"
#include "test/QuestionGenerator.h"

#include "knowledge/WorkingState.h"
#include "platform/Mt19937Random.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

using namespace orbelle::modLearnAstrology;
using namespace orbelle::test;
using orbelle::platform::Mt19937Random;

namespace {

// Tests built per topic (102,000 over the three topics); each is built and shows its
// first question. The first WholeTests of them are also played to the end, which is
// where the time goes, so fewer suffice for the choices. Sized so the whole file runs
// in a few seconds even unoptimised with sanitizers.
constexpr int TestsPerTopic = 34000;
constexpr int WholeTests = 2500;

struct TopicStatistics {
    int questions = 0;
    long long tests = 0;
    std::vector<long long> firstRecord;              // how often each record was asked first
    std::array<long long, ChoiceCount> rightPlace{}; // place of a right text that shows once
    long long rightShownOnce = 0;
    long long orderFaults = 0;
    long long choiceFaults = 0;
    QString firstOrderFault;
    QString firstChoiceFault;
};

// The real random source with a cap on the draws of one ShowQuestion call. A range
// that misses a record would make the generator draw for ever; the cap turns that into
// a failure. A correct generator needs more than 10,000 draws with a probability of
// about (21/22)^10000, far below anything observable.
class CappedRandom final : public orbelle::platform::RandomSource {
public:
    explicit CappedRandom(std::uint32_t seed)
        : m_random(seed) {}

    void startQuestion() { m_left = 10000; }
    void seed(std::uint32_t value) override { m_random.seed(value); }
    float nextSingle() override {
        if (m_left-- <= 0)
            throw std::runtime_error("more than 10,000 draws for one question");
        return m_random.nextSingle();
    }

private:
    Mt19937Random m_random;
    int m_left = 0;
};

void noteFault(long long& count, QString& first, const QString& message) {
    if (count++ == 0)
        first = message;
}

// The columns used have a distinct text per record, so a choice's text names its record.
void checkChoices(TopicStatistics& stats, const std::unordered_map<std::string, int>& recordOf,
                  const WorkingState& state, const QuestionView& view, int t, bool countPlace) {
    const int q = state.CurrentIndex;
    const std::string& right = state.CorrectAnswers[static_cast<std::size_t>(q)];
    int rightCount = 0;
    int rightAt = -1;
    unsigned recordsShown = 0; // one bit per record
    for (int k = 0; k < ChoiceCount; ++k) {
        const std::string& choice = view.choices[static_cast<std::size_t>(k)];
        const auto record = recordOf.find(choice);
        if (record == recordOf.end()) {
            noteFault(stats.choiceFaults, stats.firstChoiceFault,
                      QString("test %1, question %2: choice %3 \"%4\" is no record's value")
                          .arg(t)
                          .arg(q)
                          .arg(k)
                          .arg(QString::fromStdString(choice)));
            continue;
        }
        recordsShown |= 1u << record->second;
        if (choice == right) {
            ++rightCount;
            rightAt = k;
        }
    }
    const int distinct = std::popcount(recordsShown);
    // Five different records, except that the right one may stand at two places.
    const bool shapeOk = (rightCount == 1 && distinct == 5) || (rightCount == 2 && distinct == 4);
    if (!shapeOk)
        noteFault(stats.choiceFaults, stats.firstChoiceFault,
                  QString("test %1, question %2: right text shown %3 times among %4 different records")
                      .arg(t)
                      .arg(q)
                      .arg(rightCount)
                      .arg(distinct));
    const int asked = state.QuestionOrder.at(static_cast<std::size_t>(q));
    if (asked < 0 || asked >= stats.questions || right != state.RecordValues[static_cast<std::size_t>(asked)])
        noteFault(stats.choiceFaults, stats.firstChoiceFault,
                  QString("test %1, question %2: the right answer is not the asked record's value").arg(t).arg(q));
    if (countPlace && rightCount == 1) {
        ++stats.rightShownOnce;
        ++stats.rightPlace[static_cast<std::size_t>(rightAt)];
    }
}

void checkOrder(TopicStatistics& stats, const WorkingState& state, int t) {
    const auto n = static_cast<std::size_t>(stats.questions);
    bool permutation = state.QuestionOrder.size() == n + 1 && state.QuestionOrder[n] == 0;
    if (permutation) {
        std::vector<int> sorted(state.QuestionOrder.begin(), state.QuestionOrder.begin() + stats.questions);
        std::sort(sorted.begin(), sorted.end());
        for (std::size_t i = 0; i < n && permutation; ++i)
            permutation = sorted[i] == static_cast<int>(i);
    }
    if (!permutation) {
        noteFault(stats.orderFaults, stats.firstOrderFault, QString("test %1: the order is no permutation").arg(t));
        return;
    }
    ++stats.firstRecord[static_cast<std::size_t>(state.QuestionOrder.front())];
}

TopicStatistics generate(int topicIndex, int attributeIndex, std::uint32_t seed) {
    CappedRandom random(seed);
    WorkingState state;
    state.TopicIndex = topicIndex;
    state.AttributeIndex = attributeIndex;

    TopicStatistics stats;
    std::unordered_map<std::string, int> recordOf;
    for (int t = 0; t < TestsPerTopic; ++t) {
        state.CurrentIndex = 0;
        const bool whole = t < WholeTests;
        for (;;) {
            random.startQuestion();
            QuestionView view;
            try {
                view = ShowQuestion(state, random);
            } catch (const std::runtime_error& error) {
                noteFault(stats.orderFaults, stats.firstOrderFault,
                          QString("test %1, question %2: %3").arg(t).arg(state.CurrentIndex).arg(error.what()));
                return stats;
            }
            if (t == 0 && state.CurrentIndex == 0) {
                stats.questions = QuestionCount(state);
                stats.firstRecord.resize(static_cast<std::size_t>(stats.questions));
                for (int r = 0; r < stats.questions; ++r)
                    recordOf[state.RecordValues[static_cast<std::size_t>(r)]] = r;
            }
            checkChoices(stats, recordOf, state, view, t, whole);
            // A whole test asks every record once, which the place statistics rely on.
            if (!whole || AnswerQuestion(state, view.choices[0]) == AfterAnswer::Finished)
                break;
        }
        checkOrder(stats, state, t);
        ++stats.tests;
    }
    return stats;
}

const TopicStatistics& statisticsFor(int topicIndex) {
    static std::map<int, TopicStatistics> cache;
    auto found = cache.find(topicIndex);
    if (found == cache.end()) {
        // Dates, Keywords and House Name: one distinct text per record.
        const int attribute = topicIndex == 0 ? 1 : topicIndex == 1 ? 2 : 0;
        found = cache.emplace(topicIndex, generate(topicIndex, attribute, 20240611u + std::uint32_t(topicIndex))).first;
    }
    return found->second;
}

// Whether `count` of `trials` lies within 5 standard deviations of probability p.
bool withinBounds(long long count, long long trials, double p, QString& message) {
    const double expected = static_cast<double>(trials) * p;
    const double deviation = std::sqrt(expected * (1.0 - p));
    message =
        QString("count %1, expected %2 +- %3").arg(count).arg(expected, 0, 'f', 1).arg(5.0 * deviation, 0, 'f', 1);
    return std::abs(static_cast<double>(count) - expected) <= 5.0 * deviation;
}

} // namespace

class TestQuestionStatistics : public QObject {
    Q_OBJECT

private slots:
    void ordersArePermutations_data();
    void ordersArePermutations();
    void choicesAreFiveWithTheRightText_data();
    void choicesAreFiveWithTheRightText();
    void firstRecordHasHalfRateEnds_data();
    void firstRecordHasHalfRateEnds();
    void rightPlaceHasHalfRateEnds_data();
    void rightPlaceHasHalfRateEnds();

private:
    static void addTopics();
};

void TestQuestionStatistics::addTopics() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("questions");
    QTest::newRow("signs") << 0 << 12;
    QTest::newRow("planets") << 1 << 10;
    QTest::newRow("houses") << 2 << 12;
}

void TestQuestionStatistics::ordersArePermutations_data() {
    addTopics();
}

void TestQuestionStatistics::ordersArePermutations() {
    QFETCH(int, topicIndex);
    QFETCH(int, questions);
    const TopicStatistics& stats = statisticsFor(topicIndex);

    QCOMPARE(stats.tests, static_cast<long long>(TestsPerTopic));
    QCOMPARE(stats.questions, questions);
    QVERIFY2(stats.orderFaults == 0, qPrintable(stats.firstOrderFault));
}

void TestQuestionStatistics::choicesAreFiveWithTheRightText_data() {
    addTopics();
}

void TestQuestionStatistics::choicesAreFiveWithTheRightText() {
    QFETCH(int, topicIndex);
    const TopicStatistics& stats = statisticsFor(topicIndex);

    QVERIFY2(stats.choiceFaults == 0, qPrintable(stats.firstChoiceFault));
}

void TestQuestionStatistics::firstRecordHasHalfRateEnds_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("record");
    QTest::addColumn<double>("probability");

    const struct {
        const char* name;
        int topicIndex;
        int records;
    } topics[] = {{"signs", 0, 12}, {"planets", 1, 10}, {"houses", 2, 12}};
    for (const auto& topic : topics) {
        const double between = 1.0 / (topic.records - 1);
        for (int record = 0; record < topic.records; ++record) {
            const bool end = record == 0 || record == topic.records - 1;
            QTest::addRow("%s, record %d", topic.name, record)
                << topic.topicIndex << record << (end ? between / 2.0 : between);
        }
    }
}

void TestQuestionStatistics::firstRecordHasHalfRateEnds() {
    QFETCH(int, topicIndex);
    QFETCH(int, record);
    QFETCH(double, probability);
    const TopicStatistics& stats = statisticsFor(topicIndex);
    QVERIFY(record < static_cast<int>(stats.firstRecord.size()));

    QString message;
    const bool inside = withinBounds(stats.firstRecord[static_cast<std::size_t>(record)],
                                     stats.tests - stats.orderFaults, probability, message);
    QVERIFY2(inside, qPrintable(message));
}

void TestQuestionStatistics::rightPlaceHasHalfRateEnds_data() {
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<int>("place");
    QTest::addColumn<double>("probability");

    const struct {
        const char* name;
        int topicIndex;
    } topics[] = {{"signs", 0}, {"planets", 1}, {"houses", 2}};
    // nearest(u * 4): places 0 and 4 at 1/8, the others at 1/4. Averaged over a whole
    // test (every record asked once) the chance that the right record was also drawn
    // at another place is the same for every place, so counting only the questions
    // whose right text shows once keeps these rates.
    for (const auto& topic : topics)
        for (int place = 0; place < ChoiceCount; ++place)
            QTest::addRow("%s, place %d", topic.name, place)
                << topic.topicIndex << place << (place == 0 || place == 4 ? 0.125 : 0.25);
}

void TestQuestionStatistics::rightPlaceHasHalfRateEnds() {
    QFETCH(int, topicIndex);
    QFETCH(int, place);
    QFETCH(double, probability);
    const TopicStatistics& stats = statisticsFor(topicIndex);

    QString message;
    const bool inside =
        withinBounds(stats.rightPlace[static_cast<std::size_t>(place)], stats.rightShownOnce, probability, message);
    QVERIFY2(inside, qPrintable(message));
}

QTEST_APPLESS_MAIN(TestQuestionStatistics)
#include "tst_questionstatistics.moc"
