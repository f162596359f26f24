// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The welcome screen and learn mode, driven through the real main window with
// clicks and keys, read as a person reads them.

#include "AppFixture.h"

#include "app/PictureBox.h"
#include "app/WelcomeScreen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>

using namespace orbelle;
using namespace orbelle::fakes;
using orbelle::modLearnAstrology::Mode;

class TestLearnMode : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void modeSwitchKeepsSelections();
    void topicPickRefillsAttributes_data();
    void topicPickRefillsAttributes();
    void pickingTheSelectedTopicAgainKeepsTheAttribute_data();
    void pickingTheSelectedTopicAgainKeepsTheAttribute();
    void nextUsesTheListsOfTheSelectedMode();
    void welcomeNextCarriesTheChoice_data();
    void welcomeNextCarriesTheChoice();
    void walkToBothEnds_data();
    void walkToBothEnds();
    void backOnTheFirstRecord();
    void stepBackToTheFirstRecordShowsItAgain();
    void housesHideThePictureAndSignsShowItAgain();
    void luckyNumberShowsOneAmpersand();
    void twoLineValueShowsOnTwoLines();
    void backToMainFromRecord7ThenNextStartsAtRecord0();
    void wholeWalkByKeyboard();
    void longestValueCanBeReadInFull();
    void captionsGrowFromTheirCorner();
    void enterPressesTheFocusedButton();

private:
    AppFixture* m_app = nullptr;
    app::frmMain* w = nullptr;

    QWidget* welcome() const { return m_app->screen(1); }
    QWidget* learn() const { return m_app->screen(2); }
    QRadioButton* optOption(int index) const { return named<QRadioButton>(w, "optOption", index); }
    QComboBox* list(const char* name) const { return named<QComboBox>(w, name); }
    QPushButton* button(const char* name) const { return named<QPushButton>(w, name); }
    QLabel* lblLabel(int index) const { return named<QLabel>(w, "lblLabel", index); }
    QPlainTextEdit* value() const { return named<QPlainTextEdit>(w, "lblLabel_3"); }
    app::PictureBox* picAstro() const { return named<app::PictureBox>(w, "picAstro"); }
    QString shown(int label) const { return label == 3 ? value()->toPlainText() : lblLabel(label)->text(); }
    void pick(QComboBox* list, const QString& entry) { pickEntry(list, entry); }
    void pressNext() { m_app->pressNext(); }
};

void TestLearnMode::init() {
    m_app = new AppFixture;
    w = &m_app->open();
}

void TestLearnMode::cleanup() {
    m_app->closeAll();
    delete m_app;
    m_app = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestLearnMode::startState() {
    QCOMPARE(w->windowTitle(), QString("Orbelle v1.15"));
    QCOMPARE(m_app->currentScreen(), welcome());
    QVERIFY(welcome()->isVisible());
    QVERIFY(!w->findChild<QWidget*>("Frame2")); // not even built
    QVERIFY(optOption(0)->isChecked());
    QVERIFY(!optOption(1)->isChecked());
    QCOMPARE(list("cboLearnOptionMain")->currentText(), QString("Learn By Signs"));
    QCOMPARE(list("cboLearnOptionSub")->currentText(), QString("Glyphs (Image)"));
    QCOMPARE(list("cboTestOptionMain")->currentText(), QString("Test By Signs"));
    QCOMPARE(list("cboTestOptionSub")->currentText(), QString("Glyphs (Image)"));
    QCOMPARE(list("cboLearnOptionMain")->count(), 3);
    QCOMPARE(list("cboLearnOptionSub")->count(), 16);
    QCOMPARE(list("cboTestOptionSub")->count(), 16);
    QCOMPARE(list("cboLearnOptionSub")->itemText(15), QString("Flower Essence"));
    QVERIFY(list("cboLearnOptionMain")->isEnabled() && list("cboLearnOptionSub")->isEnabled());
    QVERIFY(!list("cboTestOptionMain")->isEnabled() && !list("cboTestOptionSub")->isEnabled());
    QVERIFY(m_app->messageBox.shown.empty());
    QCOMPARE(QApplication::focusWidget(), optOption(0));
}

void TestLearnMode::modeSwitchKeepsSelections() {
    pick(list("cboLearnOptionMain"), "Learn By Planets");
    pick(list("cboLearnOptionSub"), "Anatomy");
    QTest::mouseClick(optOption(1), Qt::LeftButton);
    QVERIFY(!list("cboLearnOptionMain")->isEnabled());
    QVERIFY(list("cboTestOptionMain")->isEnabled());
    pick(list("cboTestOptionMain"), "Test By Houses");
    pick(list("cboTestOptionSub"), "Mantra");
    QTest::mouseClick(optOption(0), Qt::LeftButton);
    QVERIFY(list("cboLearnOptionSub")->isEnabled());
    QVERIFY(!list("cboTestOptionSub")->isEnabled());
    QCOMPARE(list("cboLearnOptionMain")->currentText(), QString("Learn By Planets"));
    QCOMPARE(list("cboLearnOptionSub")->currentText(), QString("Anatomy"));
    QCOMPARE(list("cboTestOptionMain")->currentText(), QString("Test By Houses"));
    QCOMPARE(list("cboTestOptionSub")->currentText(), QString("Mantra"));
}

void TestLearnMode::pickingTheSelectedTopicAgainKeepsTheAttribute_data() {
    QTest::addColumn<bool>("learn");
    QTest::addColumn<QString>("topic");
    QTest::newRow("learn lists") << true << "Learn By Planets";
    QTest::newRow("test lists") << false << "Test By Planets";
}

void TestLearnMode::pickingTheSelectedTopicAgainKeepsTheAttribute() {
    QFETCH(bool, learn);
    QFETCH(QString, topic);
    if (!learn)
        QTest::mouseClick(optOption(1), Qt::LeftButton);
    QComboBox* topics = learn ? list("cboLearnOptionMain") : list("cboTestOptionMain");
    QComboBox* attributes = learn ? list("cboLearnOptionSub") : list("cboTestOptionSub");
    pick(topics, topic);
    pick(attributes, "Anatomy");

    // Open the topic list and choose the entry that is already selected.
    topics->setFocus();
    QTest::keyClick(topics, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(topics->view()->isVisible());
    QTest::keyClick(topics->view(), Qt::Key_Return);
    QTRY_VERIFY(!topics->view()->isVisible());

    QCOMPARE(topics->currentText(), topic);
    QCOMPARE(attributes->count(), 8);
    QCOMPARE(attributes->currentText(), QString("Anatomy"));
}

void TestLearnMode::topicPickRefillsAttributes_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("planets") << "Learn By Planets" << 8 << "Glyphs (Image)"
                             << "Ruler for House";
    QTest::newRow("houses") << "Learn By Houses" << 7 << "House Name"
                            << "House Type";
    QTest::newRow("signs again") << "Learn By Signs" << 16 << "Glyphs (Image)"
                                 << "Flower Essence";
}

void TestLearnMode::topicPickRefillsAttributes() {
    QFETCH(QString, topic);
    QFETCH(int, entries);
    QFETCH(QString, first);
    QFETCH(QString, last);
    // Start from another topic with an attribute chosen, so that the pick changes both.
    const QString other = topic == "Learn By Planets" ? "Learn By Houses" : "Learn By Planets";
    pick(list("cboLearnOptionMain"), other);
    pick(list("cboLearnOptionSub"), "Keywords");
    pick(list("cboLearnOptionMain"), topic);
    QCOMPARE(list("cboLearnOptionSub")->count(), entries);
    QCOMPARE(list("cboLearnOptionSub")->currentIndex(), 0);
    QCOMPARE(list("cboLearnOptionSub")->currentText(), first);
    QCOMPARE(list("cboLearnOptionSub")->itemText(entries - 1), last);
    // The test lists are independent of the learn lists.
    QCOMPARE(list("cboTestOptionSub")->count(), 16);
}

void TestLearnMode::nextUsesTheListsOfTheSelectedMode() {
    pick(list("cboLearnOptionSub"), "Element");
    QTest::mouseClick(optOption(1), Qt::LeftButton);
    QTest::mouseClick(optOption(0), Qt::LeftButton);
    pressNext();
    QCOMPARE(m_app->currentScreen(), learn());
    QCOMPARE(shown(0), QString("Learn By Signs"));
    QCOMPARE(shown(1), QString("Element"));
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(shown(3), QString("Fire"));
    QVERIFY(picAstro()->isVisible());
    QCOMPARE(picAstro()->accessibleName(), QString("Aries glyph"));
}

void TestLearnMode::welcomeNextCarriesTheChoice_data() {
    QTest::addColumn<bool>("learn");
    QTest::addColumn<int>("topicIndex");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<int>("attributeIndex");
    QTest::addColumn<QString>("attribute");
    QTest::newRow("learn") << true << 1 << "Learn By Planets" << 5 << "Anatomy";
    QTest::newRow("test") << false << 2 << "Test By Houses" << 5 << "Mantra";
}

void TestLearnMode::welcomeNextCarriesTheChoice() {
    QFETCH(bool, learn);
    QFETCH(int, topicIndex);
    QFETCH(QString, topic);
    QFETCH(int, attributeIndex);
    QFETCH(QString, attribute);
    // The screen alone: what it reports is all the window learns of the user's choice.
    app::WelcomeScreen screen;
    screen.load();
    screen.show();
    QApplication::setActiveWindow(&screen);
    QList<app::WelcomeChoice> reported;
    connect(&screen, &app::WelcomeScreen::nextClicked, this,
            [&reported](const app::WelcomeChoice& choice) { reported << choice; });
    // The other mode's lists are moved too, so that taking the wrong pair shows.
    pick(named<QComboBox>(&screen, "cboLearnOptionMain"), "Learn By Houses");
    if (!learn) {
        // By keyboard: the arrow moves from one option to the other and selects it,
        // which enables the test lists as a click does.
        auto* learnOption = named<QRadioButton>(&screen, "optOption", 0);
        learnOption->setFocus();
        QTest::keyClick(learnOption, Qt::Key_Down);
        QVERIFY(named<QRadioButton>(&screen, "optOption", 1)->isChecked());
    }
    pick(named<QComboBox>(&screen, learn ? "cboLearnOptionMain" : "cboTestOptionMain"), topic);
    pick(named<QComboBox>(&screen, learn ? "cboLearnOptionSub" : "cboTestOptionSub"), attribute);
    QTest::mouseClick(named<QPushButton>(&screen, "cmdNext"), Qt::LeftButton);

    QCOMPARE(reported.size(), 1);
    QVERIFY(reported[0].mode == (learn ? Mode::Learn : Mode::Test));
    QCOMPARE(reported[0].topicIndex, topicIndex);
    QCOMPARE(reported[0].attributeIndex, attributeIndex);
    QCOMPARE(QString::fromStdString(reported[0].topicCaption), topic);
    QCOMPARE(QString::fromStdString(reported[0].attributeCaption), attribute);
}

void TestLearnMode::walkToBothEnds_data() {
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("firstValue");
    QTest::addColumn<bool>("picture");
    QTest::newRow("signs/Element") << "Learn By Signs"
                                   << "Element"
                                   << QStringList{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                                  "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}
                                   << "Fire" << true;
    QTest::newRow("planets/Cycle") << "Learn By Planets"
                                   << "Time to complete one Cycle"
                                   << QStringList{"Sun",  "Moon",   "Jupiter", "Mercury", "Venus",
                                                  "Mars", "Saturn", "Uranus",  "Neptune", "Pluto"}
                                   << "None" << true;
    QTest::newRow("houses/House Name") << "Learn By Houses"
                                       << "House Name"
                                       << QStringList{"1st House", "2nd House",  "3rd House",  "4th House",
                                                      "5th House", "6th House",  "7th House",  "8th House",
                                                      "9th House", "10th House", "11th House", "12th House"}
                                       << "The House of Identity" << false;
}

void TestLearnMode::walkToBothEnds() {
    QFETCH(QString, topic);
    QFETCH(QString, attribute);
    QFETCH(QStringList, titles);
    QFETCH(QString, firstValue);
    QFETCH(bool, picture);
    pick(list("cboLearnOptionMain"), topic);
    pick(list("cboLearnOptionSub"), attribute);
    pressNext();
    QCOMPARE(shown(0), topic);
    QCOMPARE(shown(1), attribute);
    QCOMPARE(shown(3), firstValue);
    QStringList seen{shown(2)};
    for (int i = 1; i < titles.size(); ++i) {
        QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
        seen << shown(2);
        QCOMPARE(picAstro()->isVisible(), picture);
        if (picture)
            QCOMPARE(picAstro()->accessibleName(), titles[i] + " glyph");
    }
    QCOMPARE(seen, titles);
    QVERIFY(m_app->messageBox.shown.empty());

    QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(m_app->messageBox.shown.size(), std::size_t(1));
    const ShownMessage& last = m_app->messageBox.shown.back();
    QCOMPARE(last.text, std::string("You are at the last record"));
    QCOMPARE(last.caption, std::string("Orbelle"));
    QVERIFY(last.buttons == MessageButtons::Ok);
    QCOMPARE(shown(2), titles.last());
    QCOMPARE(w->workingState().CurrentIndex, int(titles.size()) - 1);

    for (int i = int(titles.size()) - 2; i >= 0; --i) {
        QTest::mouseClick(button("cmdBackDesc"), Qt::LeftButton);
        QCOMPARE(shown(2), titles[i]);
    }
    QTest::mouseClick(button("cmdBackDesc"), Qt::LeftButton);
    QCOMPARE(m_app->messageBox.shown.size(), std::size_t(2));
    QCOMPARE(m_app->messageBox.shown.back().text, std::string("You are at the first record"));
    QCOMPARE(shown(2), titles.first());
    QCOMPARE(shown(3), firstValue);
}

void TestLearnMode::backOnTheFirstRecord() {
    pressNext();
    QTest::mouseClick(button("cmdBackDesc"), Qt::LeftButton);
    QCOMPARE(m_app->messageBox.shown.size(), std::size_t(1));
    QCOMPARE(m_app->messageBox.shown[0].text, std::string("You are at the first record"));
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(w->workingState().CurrentIndex, 0);
}

void TestLearnMode::stepBackToTheFirstRecordShowsItAgain() {
    pick(list("cboLearnOptionSub"), "Dates");
    pressNext();
    QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(shown(3), QString("April 20 - May 20"));
    QTest::mouseClick(button("cmdBackDesc"), Qt::LeftButton);
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(shown(3), QString("March 21 - April 19"));
    QCOMPARE(w->workingState().RecordValues.size(), std::size_t(13));
}

void TestLearnMode::housesHideThePictureAndSignsShowItAgain() {
    pick(list("cboLearnOptionMain"), "Learn By Houses");
    pressNext();
    QVERIFY(!picAstro()->isVisible());
    QCOMPARE(shown(2), QString("1st House"));
    QTest::mouseClick(button("cmdBackToMain_0"), Qt::LeftButton);
    pick(list("cboLearnOptionMain"), "Learn By Planets");
    pick(list("cboLearnOptionSub"), "Keywords");
    pressNext();
    QVERIFY(picAstro()->isVisible());
    QCOMPARE(picAstro()->accessibleName(), QString("Sun glyph"));
    QCOMPARE(picAstro()->size(), QSize(40, 41));
    QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(picAstro()->size(), QSize(39, 53)); // the Moon's picture is taller than the box
    QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(picAstro()->accessibleName(), QString("Jupiter glyph"));
}

void TestLearnMode::luckyNumberShowsOneAmpersand() {
    pick(list("cboLearnOptionSub"), "Lucky Number");
    pressNext();
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(shown(2), QString("Leo"));
    QCOMPARE(shown(3), QString("8 & 9"));
    QCOMPARE(w->workingState().RecordValues[4], std::string("8 && 9"));
}

void TestLearnMode::twoLineValueShowsOnTwoLines() {
    pick(list("cboLearnOptionMain"), "Learn By Planets");
    pick(list("cboLearnOptionSub"), "Ruler for House");
    pressNext();
    QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(shown(3), QString("9th House - The House of Travel\n12th House - The House of Shortcomings"));
}

void TestLearnMode::backToMainFromRecord7ThenNextStartsAtRecord0() {
    pick(list("cboLearnOptionSub"), "Birthstone");
    pressNext();
    for (int i = 0; i < 7; ++i)
        QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(shown(2), QString("Scorpio"));
    QTest::mouseClick(button("cmdBackToMain_0"), Qt::LeftButton);
    QCOMPARE(m_app->currentScreen(), welcome());
    QCOMPARE(w->workingState().CurrentIndex, 0);
    QVERIFY(w->workingState().RecordValues.empty());
    QVERIFY(w->workingState().RecordNames.empty());
    QCOMPARE(list("cboLearnOptionSub")->currentText(), QString("Birthstone"));
    pressNext();
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(shown(3), QString("Diamond"));
}

void TestLearnMode::wholeWalkByKeyboard() {
    // Tab from the mode option to the lists and to Next, as the screen reads top down.
    optOption(0)->setFocus();
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list("cboLearnOptionMain"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // Learn By Planets
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list("cboLearnOptionSub"));
    QCOMPARE(list("cboLearnOptionSub")->count(), 8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // Ruler for Sign
    // The unselected mode option and the disabled test lists are skipped.
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button("cmdNext"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_app->currentScreen(), learn());
    QCOMPARE(shown(2), QString("Sun"));
    QCOMPARE(shown(3), QString("Leo"));

    button("cmdNextDesc")->setFocus();
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(button("cmdNextDesc"), Qt::Key_Space);
    QCOMPARE(shown(2), QString("Pluto"));
    QCOMPARE(shown(3), QString("Scorpio"));
    // After the last button comes the banner in front, not the hidden one.
    QTest::keyClick(button("cmdNextDesc"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), named(w, "lblCobrand"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), button("cmdBackToMain_0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(value()));
    // What a screen reader says of the value box and of the step buttons.
    QCOMPARE(value()->accessibleName(), QString("Learn By Planets, Ruler for Sign: Pluto"));
    QCOMPARE(button("cmdNextDesc")->accessibleDescription(), QString("Pluto: Scorpio"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    // A button's access key presses it visibly, so the click lands a moment later.
    QTRY_COMPARE(m_app->currentScreen(), welcome());
}

void TestLearnMode::longestValueCanBeReadInFull() {
    pick(list("cboLearnOptionSub"), "Positive Traits");
    pressNext();
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(button("cmdNextDesc"), Qt::LeftButton);
    QCOMPARE(shown(2), QString("Leo"));
    QVERIFY(shown(3).size() > 900);
    // The box keeps its place and size; what does not fit, as in the wider type of
    // another desktop, scrolls within it.
    QCOMPARE(value()->geometry(), QRect(64, 55, 473, 169));
    QFont wider = value()->font();
    wider.setPointSizeF(10);
    value()->setFont(wider);
    QVERIFY(value()->verticalScrollBar()->maximum() > 0);
}

void TestLearnMode::captionsGrowFromTheirCorner() {
    pick(list("cboLearnOptionMain"), "Learn By Planets");
    pick(list("cboLearnOptionSub"), "Time to complete one Cycle");
    pressNext();
    const QPoint corners[3] = {{64, 8}, {192, 8}, {64, 39}};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = lblLabel(i);
        QCOMPARE(caption->pos(), corners[i]);
        QVERIFY2(caption->width() >= caption->sizeHint().width(), "the whole caption shows");
    }
    QCOMPARE(shown(1), QString("Time to complete one Cycle"));
}

void TestLearnMode::enterPressesTheFocusedButton() {
    button("cmdNext")->setFocus();
    QTest::keyClick(button("cmdNext"), Qt::Key_Return);
    QCOMPARE(m_app->currentScreen(), learn());
    QCOMPARE(QApplication::focusWidget(), button("cmdNextDesc"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(shown(2), QString("Taurus"));
    button("cmdBackToMain_0")->setFocus();
    QTest::keyClick(button("cmdBackToMain_0"), Qt::Key_Enter);
    QCOMPARE(m_app->currentScreen(), welcome());
    QCOMPARE(QApplication::focusWidget(), optOption(0)); // the mode chosen, a place to start again
}

QTEST_MAIN(TestLearnMode)
#include "tst_learnmode.moc"
