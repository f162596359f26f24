// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The prose paragraphs: size, shape and the joins made at fill time.

#include "knowledge/Prose.h"
#include "knowledge/Tables.h"

#include <algorithm>

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace orbelle::modLearnAstrology;

namespace {

int wordCount(const std::string& text) {
    return int(QString::fromStdString(text).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size());
}

QStringList wordsOf(const QString& text) {
    return text.toLower().split(QRegularExpression("[^\\w'-]+"), Qt::SkipEmptyParts);
}

int countOf(const std::string& text, const std::string& what) {
    int found = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++found;
    return found;
}

} // namespace

class TestProse : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void paragraph_data();
    void paragraph();
    void sunToSaturnSpeakToTheReaderOnlyAtAFewEnds();
    void leoJoinsMainPartAndTailWithOneSpace();
    void houseParagraphsHoldOneAccentAndOneQuotation();
    void openingsAndClosingsVaryWithinATopic_data();
    void openingsAndClosingsVaryWithinATopic();
    void noPhraseRecursWithinATopic_data();
    void noPhraseRecursWithinATopic();
};

void TestProse::initTestCase() {
    FillSignTable();
    FillPlanetTable();
    FillHouseTable();
}

void TestProse::paragraph_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("aboutWords");
    QTest::addColumn<bool>("secondPerson"); // every paragraph addresses the reader

    const char* signs[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                           "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    const int signPositive[] = {129, 130, 126, 149, 173, 83, 125, 128, 147, 132, 131, 120};
    const int signNegative[] = {105, 72, 88, 106, 116, 59, 66, 91, 71, 98, 117, 67};
    for (int i = 0; i < 12; ++i) {
        QTest::addRow("%s positive", signs[i]) << int(Topic::Signs) << 5 << i << signPositive[i] << true;
        QTest::addRow("%s negative", signs[i]) << int(Topic::Signs) << 6 << i << signNegative[i] << true;
    }

    const char* planets[] = {"Sun",  "Moon",   "Jupiter", "Mercury", "Venus",
                             "Mars", "Saturn", "Uranus",  "Neptune", "Pluto"};
    const int planetPositive[] = {81, 100, 81, 94, 95, 59, 68, 33, 41, 36};
    const int planetNegative[] = {50, 55, 33, 30, 37, 66, 86, 29, 33, 28};
    for (int i = 0; i < 10; ++i) {
        const bool addressesReader = i >= 7; // Uranus, Neptune and Pluto speak to the reader
        QTest::addRow("%s positive", planets[i])
            << int(Topic::Planets) << 3 << i << planetPositive[i] << addressesReader;
        QTest::addRow("%s negative", planets[i])
            << int(Topic::Planets) << 4 << i << planetNegative[i] << addressesReader;
    }

    const int house[] = {111, 112, 110, 115, 114, 118, 116, 101, 104, 99, 103, 90};
    for (int i = 0; i < 12; ++i)
        QTest::addRow("house %d", i + 1) << int(Topic::Houses) << 3 << i << house[i] << false;
}

void TestProse::paragraph() {
    QFETCH(int, topic);
    QFETCH(int, attribute);
    QFETCH(int, record);
    QFETCH(int, aboutWords);
    QFETCH(bool, secondPerson);

    const std::string& text = ColumnFor(Topic(topic), attribute).at(std::size_t(record));
    const int words = wordCount(text);
    QVERIFY2(words * 20 >= aboutWords * 19 && words * 20 <= aboutWords * 21,
             qPrintable(QString("%1 words, about %2 expected").arg(words).arg(aboutWords)));
    QVERIFY2(text.find_first_of("\r\n\t") == std::string::npos, "one paragraph, no line break");
    QVERIFY2(text.find("  ") == std::string::npos, "single spaces between words");
    QVERIFY(text.front() != ' ' && text.back() != ' ');
    QVERIFY2(text.back() == '.' || text.back() == '!' || text.back() == '"', "ends as a sentence");
    if (secondPerson)
        QVERIFY2(QString::fromStdString(text).contains(QRegularExpression("\\b[Yy]our?\\b")), "speaks to the reader");
}

void TestProse::sunToSaturnSpeakToTheReaderOnlyAtAFewEnds() {
    // The classical planets are described in the third person; a few paragraphs end by
    // turning to the reader.
    const QRegularExpression you("\\b[Yy]our?\\b");
    const QRegularExpression lastSentence("[^.!?]*[.!?]\"?$");
    int endingWithYou = 0;
    for (int attribute : {3, 4}) {
        for (std::size_t record = 0; record < 7; ++record) {
            const QString text = QString::fromStdString(ColumnFor(Topic::Planets, attribute).at(record));
            const QString last = lastSentence.match(text).captured();
            const QString body = text.left(text.size() - last.size());
            QVERIFY2(!body.contains(you), qPrintable(body));
            endingWithYou += last.contains(you);
        }
    }
    QVERIFY2(endingWithYou >= 1 && endingWithYou <= 4, qPrintable(QString::number(endingWithYou)));
}

void TestProse::leoJoinsMainPartAndTailWithOneSpace() {
    const std::string_view main = prose::SignPositiveTraits[4];
    const std::string_view tail = prose::LeoPositiveTraitsTail;
    QVERIFY(main.ends_with(". "));
    QVERIFY(!main.ends_with(".  "));
    QVERIFY(!tail.starts_with(' '));
    const int tailWords = wordCount(std::string(tail));
    QVERIFY(tailWords >= 10 && tailWords <= 14);
    QVERIFY(countOf(std::string(tail), ".") == 3);

    const std::string& joined = ColumnFor(Topic::Signs, 5).at(4);
    QCOMPARE(joined, std::string(main) + std::string(tail));
    QVERIFY2(joined.size() >= 900 && joined.size() <= 1100, "about a thousand characters");
}

void TestProse::houseParagraphsHoldOneAccentAndOneQuotation() {
    int withAccent = 0;
    int withQuotes = 0;
    for (const std::string& text : ColumnFor(Topic::Houses, 3)) {
        withAccent += countOf(text, "\xC3\xA9") > 0 ? 1 : 0;
        withQuotes += countOf(text, "\"") > 0 ? 1 : 0;
        QCOMPARE(countOf(text, "\"") % 2, 0);
    }
    QCOMPARE(withAccent, 1);
    QCOMPARE(withQuotes, 1);
}

void TestProse::openingsAndClosingsVaryWithinATopic_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QList<int>>("attributes");
    QTest::addRow("signs") << int(Topic::Signs) << QList<int>{5, 6};
    QTest::addRow("planets") << int(Topic::Planets) << QList<int>{3, 4};
    QTest::addRow("houses") << int(Topic::Houses) << QList<int>{3};
}

void TestProse::openingsAndClosingsVaryWithinATopic() {
    // A learner reads a topic's paragraphs one after another, where a stock opening or closing stands out.
    QFETCH(int, topic);
    QFETCH(QList<int>, attributes);
    QHash<QString, int> paragraphsWith;
    for (int attribute : attributes) {
        for (const std::string& text : ColumnFor(Topic(topic), attribute)) {
            const QStringList all = wordsOf(QString::fromStdString(text));
            const QStringList last = wordsOf(QString::fromStdString(text).section(QRegularExpression("[.!?]\"? "), -1));
            for (const QString& phrase :
                 QSet<QString>{all.mid(0, 4).join(' '), all.mid(all.size() - 4).join(' '), last.mid(0, 4).join(' ')})
                QVERIFY2(++paragraphsWith[phrase] <= 2, qPrintable(phrase));
        }
    }
}

void TestProse::noPhraseRecursWithinATopic_data() {
    openingsAndClosingsVaryWithinATopic_data();
}

void TestProse::noPhraseRecursWithinATopic() {
    // Read one after another, two paragraphs that share a phrase ("find you unreliable",
    // "whatever it touches") sound stamped from one mould. Three words in a row with at
    // most one function word among them carry meaning; "one of the" does not.
    QFETCH(int, topic);
    QFETCH(QList<int>, attributes);
    static const QSet<QString> functionWords = {
        "a",     "an",    "the",   "and",  "or",    "but",    "nor",   "of",    "to",    "in",   "on",    "at",
        "by",    "for",   "with",  "from", "as",    "into",   "onto",  "than",  "that",  "this", "these", "those",
        "it",    "its",   "is",    "are",  "was",   "were",   "be",    "been",  "being", "you",  "your",  "yours",
        "they",  "them",  "their", "he",   "she",   "his",    "her",   "him",   "we",    "our",  "us",    "who",
        "whom",  "which", "what",  "when", "where", "while",  "so",    "if",    "not",   "no",   "do",    "does",
        "did",   "can",   "may",   "will", "would", "should", "could", "might", "must",  "has",  "have",  "had",
        "there", "here",  "how",   "then", "such",  "up",     "out",   "over",  "about", "under"};
    QHash<QString, QString> firstParagraphWith;
    for (int attribute : attributes) {
        const Column& column = ColumnFor(Topic(topic), attribute);
        for (std::size_t record = 0; record < column.size(); ++record) {
            const QString paragraph = QString("attribute %1, record %2").arg(attribute).arg(record);
            const QStringList words = wordsOf(QString::fromStdString(column[record]));
            QSet<QString> phrases;
            for (qsizetype at = 0; at + 3 <= words.size(); ++at) {
                const QStringList phrase = words.mid(at, 3);
                const auto functional = std::count_if(phrase.begin(), phrase.end(),
                                                      [](const QString& word) { return functionWords.contains(word); });
                if (functional <= 1)
                    phrases.insert(phrase.join(' '));
            }
            for (const QString& phrase : phrases) {
                const QString earlier = firstParagraphWith.value(phrase);
                QVERIFY2(earlier.isEmpty(), qPrintable(QString("\"%1\" in %2 and %3").arg(phrase, earlier, paragraph)));
                firstParagraphWith.insert(phrase, paragraph);
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestProse)
#include "tst_prose.moc"
