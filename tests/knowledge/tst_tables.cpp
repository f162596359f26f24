// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The knowledge base returns every stored value exactly, through the same operations
// the screens use: FillTopicTable, ColumnFor, NameColumn and RecordTitle.

#include "knowledge/Captions.h"
#include "knowledge/Tables.h"

#include <QTest>

#include <set>
#include <string>
#include <vector>

using namespace orbelle::modLearnAstrology;

namespace {

using Values = std::vector<std::string>;

struct ExpectedColumn {
    Topic topic;
    int attribute; // attribute index whose column this is
    const char* name;
    Values values;
};

// The expected values, written out column by column.
const std::vector<ExpectedColumn>& expectedColumns() {
    static const std::vector<ExpectedColumn> columns = {
        {Topic::Signs,
         0,
         "SignName",
         {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn",
          "Aquarius", "Pisces"}},
        {Topic::Signs,
         1,
         "Dates",
         {"March 21 - April 19", "April 20 - May 20", "May 22 - June 21", "June 22 - July 22", "July 23 - August 22",
          "August 23 - September 22", "September 23 - October 22", "October 23 - November 22",
          "November 23 - December 22", "December 23 - January 20", "January 20 - February 19",
          "February 19 - March 20"}},
        {Topic::Signs,
         2,
         "SignNumber",
         {"First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh", "Eighth", "Ninth", "Tenth", "Eleventh",
          "Twelfth"}},
        {Topic::Signs,
         3,
         "OppositeSign",
         {"Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", "Aries", "Taurus", "Gemini", "Cancer",
          "Leo", "Virgo"}},
        {Topic::Signs,
         4,
         "Keywords",
         {"Pioneer, Assertive, Energetic", "Determined, Stable, Sensual", "Curious, Intelligent, Congenial",
          "Protective, Cautious, Intuitive", "Generous, Enthusiastic, Social", "Modest, Critical, Methodical",
          "Pleasant, Sociable, Diplomatic", "Secretive, Possessive, Investigative",
          "Adventurous, Extrovert, Philosophical", "Serious, Ambitious, Disciplined",
          "Intelligent, Innovative, Individualistic", "Sensitive, Compassionate, Introspective"}},
        {Topic::Signs,
         7,
         "Element",
         {"Fire", "Earth", "Air", "Water", "Fire", "Earth", "Air", "Water", "Fire", "Earth", "Air", "Water"}},
        {Topic::Signs,
         8,
         "RulingPlanet",
         {"Mars", "Venus", "Mercury", "The Moon", "The Sun", "Mercury", "Venus", "Pluto and Mars", "Jupiter", "Saturn",
          "Uranus and Saturn", "Neptune and Jupiter"}},
        {Topic::Signs,
         9,
         "LuckyNumber",
         {"9", "6", "5", "2", "8 && 9", "3 && 5", "6 && 9", "2 && 4", "5 && 7", "8 && 2", "1 && 7", "2 && 6"}},
        {Topic::Signs,
         10,
         "LuckyColor",
         {"Red", "Green", "Yellow", "Silver", "Gold", "Blue", "Blue", "Burgundy and Black", "Purple", "Brown", "Violet",
          "Sea green"}},
        {Topic::Signs,
         11,
         "LuckyDay",
         {"Tuesday", "Friday", "Wednesday", "Monday", "Sunday", "Wednesday", "Friday", "Tuesday", "Thursday",
          "Saturday", "Wednesday", "Friday"}},
        {Topic::Signs,
         12,
         "Birthstone",
         {"Diamond", "Emerald", "Agate", "Pearl", "Ruby", "Sapphire", "Opal", "Topaz", "Turquoise", "Garnet",
          "Amethyst", "Aquamarine"}},
        {Topic::Signs,
         13,
         "Quality",
         {"Cardinal", "Fixed", "Mutable", "Cardinal", "Fixed", "Mutable", "Cardinal", "Fixed", "Mutable", "Cardinal",
          "Fixed", "Mutable"}},
        {Topic::Signs,
         14,
         "Anatomy",
         {"Head And Face", "Throat", "Arms And Shoulders", "Stomach", "Heart", "Intestines", "Skin", "Sexual Organs",
          "Thighs", "Knees", "Calves", "Feet"}},
        {Topic::Signs,
         15,
         "FlowerEssence",
         {"Tiger Lily", "Oak And Sundew", "Jojoba", "Honeysuckle", "Sunflower, Buttercup", "Chrysanthemum",
          "Goldenseal", "Holly", "Blackberry", "Trillium", "Goldenrod", "Rhubarb"}},

        {Topic::Planets,
         0,
         "PlanetName",
         {"Sun", "Moon", "Jupiter", "Mercury", "Venus", "Mars", "Saturn", "Uranus", "Neptune", "Pluto"}},
        {Topic::Planets,
         1,
         "RulerForSign",
         {"Leo", "Cancer", "Sagittarius", "Gemini, Virgo", "Taurus, Libra", "Aries", "Capricorn", "Aquarius", "Pisces",
          "Scorpio"}},
        {Topic::Planets,
         2,
         "Keywords",
         {"Identity, Vitality, Goals", "Emotions, Intuition, Home", "Expansion, Good Luck, Ideals",
          "Communication, Intelligence, Reasoning", "Love, Harmony, Pleasure",
          "Physical Energy, Competition, Will-Power", "Restriction, Obstacles, Stability",
          "Shock, Change, Independence", "Imagination, Spirituality, Confusion",
          "Elimination, Transformation, Change"}},
        {Topic::Planets,
         5,
         "Anatomy",
         {"Heart, Back, Arteries, Eyes", "Brain, Stomach, Bowels, Bladder, Left Eye",
          "Liver, Lungs, Veins, Blood Circulation", "Memory, Speech, Nostrils, Hands, Feet, Nervous System",
          "Skin, Thyroid Gland, Ovaries, Kidneys, Veins, Throat",
          "Head, Face, Stomach, Kidneys, Knees, Gall Bladder, Reproductive Organs, Groin, Throat",
          "Constipation, Hearing, Teeth, Spleen, Bones", "Gall Bladder, Mind, Sexual Organs, Ankles",
          "Memory, Parathyroid Glands, Feet", "Skin, Prostrate, Nails, Hormones"}},
        {Topic::Planets,
         6,
         "CycleTime",
         {"None", "27 days", "12 years", "88 days", "225 days", "687 days", "29 yrs", "84 yrs", "165 yrs",
          "248 years"}},
        {Topic::Planets,
         7,
         "RulerForHouse",
         {"5th House - The House of Pleasures", "4th House - The House of Family",
          "9th House - The House of Travel\r\n12th House - The House of Shortcomings",
          "3rd House - The House of Communication\r\n6th House - The House of Health",
          "2nd House - The House of Finances\r\n7th House - The House of Partnerships",
          "1st House - The House of Identity\r\n8th House - The House of Spirituality",
          "10th House - The House of Career\r\n11th House - The House of Hopes", "11th House - The House of Hopes",
          "12th House - The House of Shortcomings", "8th House - The House of Spirituality"}},

        {Topic::Houses,
         0,
         "HouseName",
         {"The House of Identity", "The House of Finances", "The House of Communication", "The House of Family",
          "The House of Pleasures", "The House of Health", "The House of Partnerships", "The House of Spirituality",
          "The House of Travel", "The House of Career", "The House of Hopes", "The House of Shortcomings"}},
        {Topic::Houses,
         1,
         "HousePlanetRuler",
         {"Mars", "Venus", "Mercury", "Moon", "Sun", "Mercury", "Venus", "Mars, Pluto", "Jupiter", "Saturn",
          "Uranus, Saturn", "Neptune, Jupiter"}},
        {Topic::Houses,
         2,
         "HouseSignRuler",
         {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn",
          "Aquarius", "Pisces"}},
        {Topic::Houses,
         4,
         "Keywords",
         {"Outer-Self, Superficial Traits, Physical Appearance", "Money, Self - Worth, Vitality",
          "Education, Communication, Relationships", "Home, Family, Caring", "Creativity, Romance, Hobbies",
          "Health, Service, Work", "Agreements, Partnerships, Marriage", "Sex, Possessions, Death",
          "Travel, Philosophy, Higher Mind", "Ambition, Career, Public Image", "Friends, Hopes, Goals",
          "Compassion, Intuition, Mental Health"}},
        {Topic::Houses,
         5,
         "Mantra",
         {"To Be", "To Have", "To Communicate", "To Belong", "To Create", "To Serve", "To Relate", "To Transform",
          "To Explore", "To Achieve", "To Innovate", "To Reintegrate"}},
        {Topic::Houses,
         6,
         "HouseType",
         {"Angular House (Action)", "Succedent House (Fixed)", "Cadent House (Adaptable)", "Angular House (Action)",
          "Succedent House (Fixed)", "Cadent House (Adaptable)", "Angular House (Action)", "Succedent House (Fixed)",
          "Cadent House (Adaptable)", "Angular House (Action)", "Succedent House (Fixed)", "Cadent House (Adaptable)"}},
    };
    return columns;
}

const char* topicName(Topic topic) {
    return topic == Topic::Signs ? "Signs" : topic == Topic::Planets ? "Planets" : "Houses";
}

void fillAll() {
    FillTopicTable(Topic::Signs);
    FillTopicTable(Topic::Planets);
    FillTopicTable(Topic::Houses);
}

} // namespace

class TestTables : public QObject {
    Q_OBJECT

private slots:
    void tablesAreEmptyUntilFilled();
    void fillTouchesOnlyItsOwnTable();
    void shortValue_data();
    void shortValue();
    void distinctValues_data();
    void distinctValues();
    void recordCountAndColumnLength_data();
    void recordCountAndColumnLength();
    void columnForCatchAll_data();
    void columnForCatchAll();
    void topicFromIndex_data();
    void topicFromIndex();
    void nameColumnAndTitle_data();
    void nameColumnAndTitle();
    void recordTitleOutsideTableIsEmpty();
    void captions_data();
    void captions();
    void topicCaptions();
    void refillChangesNothing();
};

// Must run first: it checks the state before any fill of this process.
void TestTables::tablesAreEmptyUntilFilled() {
    for (const Topic topic : {Topic::Signs, Topic::Planets, Topic::Houses}) {
        for (const std::string& value : NameColumn(topic))
            QVERIFY(value.empty());
        QCOMPARE(NameColumn(topic).size(), std::size_t(RecordCount(topic)));
    }
}

void TestTables::fillTouchesOnlyItsOwnTable() {
    FillTopicTable(Topic::Planets);
    QCOMPARE(NameColumn(Topic::Planets)[0], std::string("Sun"));
    QVERIFY(NameColumn(Topic::Signs)[0].empty());
    QVERIFY(NameColumn(Topic::Houses)[0].empty());
    FillTopicTable(Topic::Houses);
    QCOMPARE(RecordTitle(Topic::Houses, 0), std::string("1st House"));
    QVERIFY(NameColumn(Topic::Signs)[0].empty());
    // Any topic index other than 0 and 1 fills the house table.
    FillTopicTable(TopicFromIndex(7));
    QCOMPARE(NameColumn(Topic::Houses)[11], std::string("Pisces"));
}

void TestTables::shortValue_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("expected");
    for (const ExpectedColumn& column : expectedColumns()) {
        for (std::size_t record = 0; record < column.values.size(); ++record) {
            QTest::addRow("%s/%s/%zu", topicName(column.topic), column.name, record)
                << int(column.topic) << column.attribute << int(record)
                << QString::fromStdString(column.values[record]);
        }
    }
}

void TestTables::shortValue() {
    QFETCH(int, topic);
    QFETCH(int, attribute);
    QFETCH(int, record);
    QFETCH(QString, expected);
    fillAll();
    const Column& column = ColumnFor(Topic(topic), attribute);
    QCOMPARE(QString::fromStdString(column.at(std::size_t(record))), expected);
}

void TestTables::distinctValues_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<int>("distinct");
    const int signDistinct[16] = {12, 12, 12, 12, 12, 12, 12, 4, 10, 12, 11, 7, 12, 3, 12, 12};
    for (int i = 0; i < 16; ++i)
        QTest::addRow("Signs/%d", i) << int(Topic::Signs) << i << signDistinct[i];
    for (int i = 0; i < 8; ++i)
        QTest::addRow("Planets/%d", i) << int(Topic::Planets) << i << 10;
    const int houseDistinct[7] = {12, 10, 12, 12, 12, 12, 3};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("Houses/%d", i) << int(Topic::Houses) << i << houseDistinct[i];
}

void TestTables::distinctValues() {
    QFETCH(int, topic);
    QFETCH(int, attribute);
    QFETCH(int, distinct);
    fillAll();
    const Column& column = ColumnFor(Topic(topic), attribute);
    const std::set<std::string> values(column.begin(), column.end());
    QCOMPARE(int(values.size()), distinct);
    QVERIFY(!values.count(std::string()));
}

void TestTables::recordCountAndColumnLength_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("attributes");
    QTest::newRow("signs") << int(Topic::Signs) << 12 << 16;
    QTest::newRow("planets") << int(Topic::Planets) << 10 << 8;
    QTest::newRow("houses") << int(Topic::Houses) << 12 << 7;
}

void TestTables::recordCountAndColumnLength() {
    QFETCH(int, topic);
    QFETCH(int, count);
    QFETCH(int, attributes);
    fillAll();
    QCOMPARE(RecordCount(Topic(topic)), count);
    QCOMPARE(int(AttributeCaptions(Topic(topic)).size()), attributes);
    QCOMPARE(int(NameColumn(Topic(topic)).size()), count);
    for (int i = 0; i < attributes; ++i) {
        const Column& column = ColumnFor(Topic(topic), i);
        QCOMPARE(int(column.size()), count);
        for (const std::string& value : column)
            QVERIFY2(!value.empty(), "a filled table holds no empty value");
    }
}

void TestTables::columnForCatchAll_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("attribute");
    QTest::addColumn<QString>("firstValue");
    QTest::newRow("signs 15 is the flower") << int(Topic::Signs) << 15 << "Tiger Lily";
    QTest::newRow("signs 16 falls to the flower") << int(Topic::Signs) << 16 << "Tiger Lily";
    QTest::newRow("signs 300 falls to the flower") << int(Topic::Signs) << 300 << "Tiger Lily";
    QTest::newRow("signs -1 falls to the flower") << int(Topic::Signs) << -1 << "Tiger Lily";
    QTest::newRow("signs 0 is the name") << int(Topic::Signs) << 0 << "Aries";
    QTest::newRow("planets 0 is the name") << int(Topic::Planets) << 0 << "Sun";
    QTest::newRow("planets 8 falls to the houses ruled")
        << int(Topic::Planets) << 8 << "5th House - The House of Pleasures";
    QTest::newRow("planets -3 falls to the houses ruled")
        << int(Topic::Planets) << -3 << "5th House - The House of Pleasures";
    QTest::newRow("houses 0 is the house name, not the title") << int(Topic::Houses) << 0 << "The House of Identity";
    QTest::newRow("houses 7 falls to the type") << int(Topic::Houses) << 7 << "Angular House (Action)";
    QTest::newRow("houses -1 falls to the type") << int(Topic::Houses) << -1 << "Angular House (Action)";
}

void TestTables::columnForCatchAll() {
    QFETCH(int, topic);
    QFETCH(int, attribute);
    QFETCH(QString, firstValue);
    fillAll();
    QCOMPARE(QString::fromStdString(ColumnFor(Topic(topic), attribute).front()), firstValue);
}

void TestTables::topicFromIndex_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("topic");
    QTest::newRow("0") << 0 << int(Topic::Signs);
    QTest::newRow("1") << 1 << int(Topic::Planets);
    QTest::newRow("2") << 2 << int(Topic::Houses);
    QTest::newRow("3") << 3 << int(Topic::Houses);
    QTest::newRow("-1") << -1 << int(Topic::Houses);
}

void TestTables::topicFromIndex() {
    QFETCH(int, index);
    QFETCH(int, topic);
    QCOMPARE(int(TopicFromIndex(index)), topic);
}

void TestTables::nameColumnAndTitle_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("Aries") << int(Topic::Signs) << 0 << "Aries"
                           << "Aries";
    QTest::newRow("Pisces") << int(Topic::Signs) << 11 << "Pisces"
                            << "Pisces";
    QTest::newRow("Jupiter third") << int(Topic::Planets) << 2 << "Jupiter"
                                   << "Jupiter";
    QTest::newRow("Pluto") << int(Topic::Planets) << 9 << "Pluto"
                           << "Pluto";
    QTest::newRow("1st House named by its sign") << int(Topic::Houses) << 0 << "Aries"
                                                 << "1st House";
    QTest::newRow("2nd House") << int(Topic::Houses) << 1 << "Taurus"
                               << "2nd House";
    QTest::newRow("3rd House") << int(Topic::Houses) << 2 << "Gemini"
                               << "3rd House";
    QTest::newRow("10th House") << int(Topic::Houses) << 9 << "Capricorn"
                                << "10th House";
    QTest::newRow("12th House") << int(Topic::Houses) << 11 << "Pisces"
                                << "12th House";
}

void TestTables::nameColumnAndTitle() {
    QFETCH(int, topic);
    QFETCH(int, record);
    QFETCH(QString, name);
    QFETCH(QString, title);
    fillAll();
    QCOMPARE(QString::fromStdString(NameColumn(Topic(topic)).at(std::size_t(record))), name);
    QCOMPARE(QString::fromStdString(RecordTitle(Topic(topic), record)), title);
}

void TestTables::recordTitleOutsideTableIsEmpty() {
    fillAll();
    QVERIFY(RecordTitle(Topic::Signs, 12).empty());
    QVERIFY(RecordTitle(Topic::Planets, 10).empty());
    QVERIFY(RecordTitle(Topic::Houses, -1).empty());
}

void TestTables::captions_data() {
    QTest::addColumn<int>("topic");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("signs") << int(Topic::Signs)
                           << QStringList{"Glyphs (Image)", "Dates",           "Sign Numbers",    "Opposite Signs",
                                          "Keywords",       "Positive Traits", "Negative Traits", "Element",
                                          "Ruling Planet",  "Lucky Number",    "Lucky Color",     "Lucky Day",
                                          "Birthstone",     "Quality",         "Anatomy",         "Flower Essence"};
    QTest::newRow("planets") << int(Topic::Planets)
                             << QStringList{"Glyphs (Image)",
                                            "Ruler for Sign",
                                            "Keywords",
                                            "Positive Traits",
                                            "Negative Traits",
                                            "Anatomy",
                                            "Time to complete one Cycle",
                                            "Ruler for House"};
    QTest::newRow("houses") << int(Topic::Houses) << QStringList{"House Name", "House Planet Ruler", "House Sign Ruler",
                                                                 "Attributes", "Keywords",           "Mantra",
                                                                 "House Type"};
}

void TestTables::captions() {
    QFETCH(int, topic);
    QFETCH(QStringList, captions);
    QStringList actual;
    for (std::string_view caption : AttributeCaptions(Topic(topic)))
        actual << QString::fromUtf8(caption.data(), qsizetype(caption.size()));
    QCOMPARE(actual, captions);
}

void TestTables::topicCaptions() {
    const auto learn = TopicCaptions(Mode::Learn);
    const auto test = TopicCaptions(Mode::Test);
    QCOMPARE(learn[0], std::string_view("Learn By Signs"));
    QCOMPARE(learn[1], std::string_view("Learn By Planets"));
    QCOMPARE(learn[2], std::string_view("Learn By Houses"));
    QCOMPARE(test[0], std::string_view("Test By Signs"));
    QCOMPARE(test[1], std::string_view("Test By Planets"));
    QCOMPARE(test[2], std::string_view("Test By Houses"));
}

void TestTables::refillChangesNothing() {
    fillAll();
    const Column before = ColumnFor(Topic::Signs, 5);
    FillSignTable();
    QVERIFY(ColumnFor(Topic::Signs, 5) == before);
}

QTEST_APPLESS_MAIN(TestTables)
#include "tst_tables.moc"
