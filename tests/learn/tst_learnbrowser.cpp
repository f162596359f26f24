// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The learn browser without any window: what each step shows and where a walk ends.

#include "learn/LearnBrowser.h"

#include <QTest>

using namespace orbelle::modLearnAstrology;
using namespace orbelle::learn;

namespace {

WorkingState startWalk(int topic, int attribute, const char* topicCaption, const char* attributeCaption) {
    WorkingState state;
    state.TopicIndex = topic;
    state.AttributeIndex = attribute;
    state.TopicCaption = topicCaption;
    state.AttributeCaption = attributeCaption;
    state.CurrentIndex = 0;
    return state;
}

QString resourceOf(const RecordView& view) {
    return view.picture ? QString::fromUtf8(view.picture->resource.data(), qsizetype(view.picture->resource.size()))
                        : QString();
}

} // namespace

class TestLearnBrowser : public QObject {
    Q_OBJECT

private slots:
    void firstRecord_data();
    void firstRecord();
    void walkToTheLastRecordAndBeyond_data();
    void walkToTheLastRecordAndBeyond();
    void backOnTheFirstRecord();
    void steppingBackToTheFirstRecordRefills();
    void workingCopiesKeepASpareEmptyEntry();
    void luckyNumberIsKeptAsStored();
    void attributeBeyondTheListShowsTheLastColumn();
    void stepsOnAnErasedStateDoNotCrash();
};

void TestLearnBrowser::firstRecord_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("picture");
    QTest::newRow("signs/Element") << 0 << 7 << "Aries"
                                   << "Fire"
                                   << ":/glyphs/signs/01aries.png";
    QTest::newRow("signs/Glyphs") << 0 << 0 << "Aries"
                                  << "Aries"
                                  << ":/glyphs/signs/01aries.png";
    QTest::newRow("planets/Cycle") << 1 << 6 << "Sun"
                                   << "None"
                                   << ":/glyphs/planets/01sun.png";
    QTest::newRow("houses/House Name") << 2 << 0 << "1st House"
                                       << "The House of Identity" << QString();
    QTest::newRow("houses/Sign Ruler") << 2 << 2 << "1st House"
                                       << "Aries" << QString();
    QTest::newRow("topic 5 counts as houses") << 5 << 6 << "1st House"
                                              << "Angular House (Action)" << QString();
}

void TestLearnBrowser::firstRecord() {
    QFETCH(int, topic);
    QFETCH(int, attribute);
    QFETCH(QString, title);
    QFETCH(QString, value);
    QFETCH(QString, picture);
    WorkingState state = startWalk(topic, attribute, "Learn By X", "Some Attribute");
    const RecordView view = ShowRecord(state);
    QCOMPARE(view.topicCaption, std::string("Learn By X"));
    QCOMPARE(view.attributeCaption, std::string("Some Attribute"));
    QCOMPARE(QString::fromStdString(view.title), title);
    QCOMPARE(QString::fromStdString(view.value), value);
    QCOMPARE(resourceOf(view), picture);
    // Only "Glyphs (Image)" of signs and planets learns the picture itself; a house's first
    // attribute is its name.
    QCOMPARE(view.valueIsPicture, (topic == 0 || topic == 1) && attribute == 0);
}

void TestLearnBrowser::walkToTheLastRecordAndBeyond_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("lastValue");
    QTest::addColumn<QString>("lastPicture");
    QTest::newRow("signs/Element") << 0 << 7
                                   << QStringList{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                                  "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}
                                   << "Water"
                                   << ":/glyphs/signs/12pisces.png";
    QTest::newRow("planets/Cycle") << 1 << 6 << QStringList{"Sun",  "Moon",   "Jupiter", "Mercury", "Venus",
                                                            "Mars", "Saturn", "Uranus",  "Neptune", "Pluto"}
                                   << "248 years"
                                   << ":/glyphs/planets/10pluto.png";
    QTest::newRow("houses/House Name") << 2 << 0 << QStringList{"1st House", "2nd House",  "3rd House",  "4th House",
                                                                "5th House", "6th House",  "7th House",  "8th House",
                                                                "9th House", "10th House", "11th House", "12th House"}
                                       << "The House of Shortcomings" << QString();
}

void TestLearnBrowser::walkToTheLastRecordAndBeyond() {
    QFETCH(int, topic);
    QFETCH(int, attribute);
    QFETCH(QStringList, titles);
    QFETCH(QString, lastValue);
    QFETCH(QString, lastPicture);
    WorkingState state = startWalk(topic, attribute, "T", "A");
    QStringList seen{QString::fromStdString(ShowRecord(state).title)};
    RecordView last;
    for (int step = 1; step < titles.size(); ++step) {
        const StepResult result = NextRecord(state);
        QVERIFY(result.record);
        QVERIFY(!result.notice);
        QCOMPARE(state.CurrentIndex, step);
        seen << QString::fromStdString(result.record->title);
        last = *result.record;
    }
    QCOMPARE(seen, titles);
    QCOMPARE(QString::fromStdString(last.value), lastValue);
    QCOMPARE(resourceOf(last), lastPicture);

    const StepResult beyond = NextRecord(state);
    QVERIFY(!beyond.record);
    QCOMPARE(beyond.notice.value_or(""), LastRecordNotice);
    QCOMPARE(state.CurrentIndex, int(titles.size()) - 1);
}

void TestLearnBrowser::backOnTheFirstRecord() {
    WorkingState state = startWalk(0, 7, "T", "A");
    ShowRecord(state);
    const StepResult result = BackRecord(state);
    QVERIFY(!result.record);
    QCOMPARE(result.notice.value_or(""), FirstRecordNotice);
    QCOMPARE(state.CurrentIndex, 0);
}

void TestLearnBrowser::steppingBackToTheFirstRecordRefills() {
    WorkingState state = startWalk(0, 9, "T", "A");
    ShowRecord(state);
    NextRecord(state);
    // Scribble on the working copies: only a fresh load step puts them right again.
    state.RecordValues[0] = "scribbled";
    state.RecordNames[0] = "scribbled";
    const StepResult result = BackRecord(state);
    QVERIFY(result.record);
    QCOMPARE(state.CurrentIndex, 0);
    QCOMPARE(result.record->value, std::string("9"));
    QCOMPARE(result.record->title, std::string("Aries"));
    QCOMPARE(state.RecordValues[0], std::string("9"));
}

void TestLearnBrowser::workingCopiesKeepASpareEmptyEntry() {
    WorkingState planets = startWalk(1, 2, "T", "A");
    ShowRecord(planets);
    QCOMPARE(planets.RecordValues.size(), std::size_t(11));
    QCOMPARE(planets.RecordNames.size(), std::size_t(11));
    QVERIFY(planets.RecordValues.back().empty());
    WorkingState houses = startWalk(2, 1, "T", "A");
    ShowRecord(houses);
    QCOMPARE(houses.RecordValues.size(), std::size_t(13));
    QCOMPARE(houses.RecordNames.front(), std::string("Aries"));
}

void TestLearnBrowser::luckyNumberIsKeptAsStored() {
    WorkingState state = startWalk(0, 9, "T", "A");
    ShowRecord(state);
    for (int i = 0; i < 4; ++i)
        NextRecord(state);
    QCOMPARE(ShowRecord(state).value, std::string("8 && 9"));
    QCOMPARE(ShowRecord(state).title, std::string("Leo"));
}

void TestLearnBrowser::attributeBeyondTheListShowsTheLastColumn() {
    WorkingState state = startWalk(1, 42, "T", "A");
    QCOMPARE(ShowRecord(state).value, std::string("5th House - The House of Pleasures"));
}

void TestLearnBrowser::stepsOnAnErasedStateDoNotCrash() {
    WorkingState state = startWalk(0, 7, "T", "A");
    ShowRecord(state);
    NextRecord(state);
    state.resetWalk();
    QCOMPARE(NextRecord(state).notice.value_or(""), LastRecordNotice);
    QCOMPARE(BackRecord(state).notice.value_or(""), FirstRecordNotice);
    state.CurrentIndex = 40;
    QVERIFY(ShowRecord(state).value.empty());
}

QTEST_APPLESS_MAIN(TestLearnBrowser)
#include "tst_learnbrowser.moc"
