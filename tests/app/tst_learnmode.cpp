// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The welcome screen and learn mode, driven through the real main window with
// clicks and keys, read as a person reads them.

#include "AppFixture.h"

#include "app/LearnScreen.h"
#include "app/LinkLabel.h"
#include "app/PictureBox.h"
#include "app/WelcomeScreen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>

using namespace orbelle;
using namespace orbelle::fakes;

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

    app::WelcomeScreen* welcome() const { return w->Frame1; }
    app::LearnScreen* learn() const { return w->Frame2(); }
    QString shown(int label) const {
        return label == 3 ? learn()->lblValue->toPlainText() : learn()->lblLabel[std::size_t(label)]->text();
    }
    void pick(QComboBox* list, const QString& entry) { pickEntry(list, entry); }
    void pressNext() { QTest::mouseClick(welcome()->cmdNext, Qt::LeftButton); }
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
    QCOMPARE(w->screens->currentWidget(), welcome());
    QVERIFY(welcome()->isVisible());
    QVERIFY(!learn()->isVisible());
    QVERIFY(welcome()->optOption[0]->isChecked());
    QVERIFY(!welcome()->optOption[1]->isChecked());
    QCOMPARE(welcome()->cboLearnOptionMain->currentText(), QString("Learn By Signs"));
    QCOMPARE(welcome()->cboLearnOptionSub->currentText(), QString("Glyphs (Image)"));
    QCOMPARE(welcome()->cboTestOptionMain->currentText(), QString("Test By Signs"));
    QCOMPARE(welcome()->cboTestOptionSub->currentText(), QString("Glyphs (Image)"));
    QCOMPARE(welcome()->cboLearnOptionMain->count(), 3);
    QCOMPARE(welcome()->cboLearnOptionSub->count(), 16);
    QCOMPARE(welcome()->cboTestOptionSub->count(), 16);
    QCOMPARE(welcome()->cboLearnOptionSub->itemText(15), QString("Flower Essence"));
    QVERIFY(welcome()->cboLearnOptionMain->isEnabled() && welcome()->cboLearnOptionSub->isEnabled());
    QVERIFY(!welcome()->cboTestOptionMain->isEnabled() && !welcome()->cboTestOptionSub->isEnabled());
    QVERIFY(m_app->messageBox.shown.empty());
    QCOMPARE(QApplication::focusWidget(), welcome()->optOption[0]);
}

void TestLearnMode::modeSwitchKeepsSelections() {
    pick(welcome()->cboLearnOptionMain, "Learn By Planets");
    pick(welcome()->cboLearnOptionSub, "Anatomy");
    QTest::mouseClick(welcome()->optOption[1], Qt::LeftButton);
    QVERIFY(!welcome()->cboLearnOptionMain->isEnabled());
    QVERIFY(welcome()->cboTestOptionMain->isEnabled());
    pick(welcome()->cboTestOptionMain, "Test By Houses");
    pick(welcome()->cboTestOptionSub, "Mantra");
    QTest::mouseClick(welcome()->optOption[0], Qt::LeftButton);
    QVERIFY(welcome()->cboLearnOptionSub->isEnabled());
    QVERIFY(!welcome()->cboTestOptionSub->isEnabled());
    QCOMPARE(welcome()->cboLearnOptionMain->currentText(), QString("Learn By Planets"));
    QCOMPARE(welcome()->cboLearnOptionSub->currentText(), QString("Anatomy"));
    QCOMPARE(welcome()->cboTestOptionMain->currentText(), QString("Test By Houses"));
    QCOMPARE(welcome()->cboTestOptionSub->currentText(), QString("Mantra"));
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
        QTest::mouseClick(welcome()->optOption[1], Qt::LeftButton);
    QComboBox* topics = learn ? welcome()->cboLearnOptionMain : welcome()->cboTestOptionMain;
    QComboBox* attributes = learn ? welcome()->cboLearnOptionSub : welcome()->cboTestOptionSub;
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
    pick(welcome()->cboLearnOptionMain, other);
    pick(welcome()->cboLearnOptionSub, "Keywords");
    pick(welcome()->cboLearnOptionMain, topic);
    QCOMPARE(welcome()->cboLearnOptionSub->count(), entries);
    QCOMPARE(welcome()->cboLearnOptionSub->currentIndex(), 0);
    QCOMPARE(welcome()->cboLearnOptionSub->currentText(), first);
    QCOMPARE(welcome()->cboLearnOptionSub->itemText(entries - 1), last);
    // The test lists are independent of the learn lists.
    QCOMPARE(welcome()->cboTestOptionSub->count(), 16);
}

void TestLearnMode::nextUsesTheListsOfTheSelectedMode() {
    pick(welcome()->cboLearnOptionSub, "Element");
    QTest::mouseClick(welcome()->optOption[1], Qt::LeftButton);
    QTest::mouseClick(welcome()->optOption[0], Qt::LeftButton);
    pressNext();
    QCOMPARE(w->screens->currentWidget(), learn());
    QCOMPARE(shown(0), QString("Learn By Signs"));
    QCOMPARE(shown(1), QString("Element"));
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(shown(3), QString("Fire"));
    QVERIFY(learn()->picAstro->isVisible());
    QCOMPARE(learn()->picAstro->accessibleName(), QString("Aries glyph"));
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
    pick(welcome()->cboLearnOptionMain, topic);
    pick(welcome()->cboLearnOptionSub, attribute);
    pressNext();
    QCOMPARE(shown(0), topic);
    QCOMPARE(shown(1), attribute);
    QCOMPARE(shown(3), firstValue);
    QStringList seen{shown(2)};
    for (int i = 1; i < titles.size(); ++i) {
        QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
        seen << shown(2);
        QCOMPARE(learn()->picAstro->isVisible(), picture);
        if (picture)
            QCOMPARE(learn()->picAstro->accessibleName(), titles[i] + " glyph");
    }
    QCOMPARE(seen, titles);
    QVERIFY(m_app->messageBox.shown.empty());

    QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(m_app->messageBox.shown.size(), std::size_t(1));
    const ShownMessage& last = m_app->messageBox.shown.back();
    QCOMPARE(last.text, std::string("You are at the last record"));
    QCOMPARE(last.caption, std::string("Orbelle"));
    QVERIFY(last.icon == MessageIcon::Information);
    QVERIFY(last.buttons == MessageButtons::Ok);
    QCOMPARE(shown(2), titles.last());
    QCOMPARE(w->workingState().CurrentIndex, int(titles.size()) - 1);

    for (int i = int(titles.size()) - 2; i >= 0; --i) {
        QTest::mouseClick(learn()->cmdBackDesc, Qt::LeftButton);
        QCOMPARE(shown(2), titles[i]);
    }
    QTest::mouseClick(learn()->cmdBackDesc, Qt::LeftButton);
    QCOMPARE(m_app->messageBox.shown.size(), std::size_t(2));
    QCOMPARE(m_app->messageBox.shown.back().text, std::string("You are at the first record"));
    QCOMPARE(shown(2), titles.first());
    QCOMPARE(shown(3), firstValue);
}

void TestLearnMode::backOnTheFirstRecord() {
    pressNext();
    QTest::mouseClick(learn()->cmdBackDesc, Qt::LeftButton);
    QCOMPARE(m_app->messageBox.shown.size(), std::size_t(1));
    QCOMPARE(m_app->messageBox.shown[0].text, std::string("You are at the first record"));
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(w->workingState().CurrentIndex, 0);
}

void TestLearnMode::stepBackToTheFirstRecordShowsItAgain() {
    pick(welcome()->cboLearnOptionSub, "Dates");
    pressNext();
    QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(shown(3), QString("April 20 - May 20"));
    QTest::mouseClick(learn()->cmdBackDesc, Qt::LeftButton);
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(shown(3), QString("March 21 - April 19"));
    QCOMPARE(w->workingState().RecordValues.size(), std::size_t(13));
}

void TestLearnMode::housesHideThePictureAndSignsShowItAgain() {
    pick(welcome()->cboLearnOptionMain, "Learn By Houses");
    pressNext();
    QVERIFY(!learn()->picAstro->isVisible());
    QCOMPARE(shown(2), QString("1st House"));
    QTest::mouseClick(learn()->cmdBackToMain, Qt::LeftButton);
    pick(welcome()->cboLearnOptionMain, "Learn By Planets");
    pick(welcome()->cboLearnOptionSub, "Keywords");
    pressNext();
    QVERIFY(learn()->picAstro->isVisible());
    QCOMPARE(learn()->picAstro->accessibleName(), QString("Sun glyph"));
    QCOMPARE(learn()->picAstro->size(), QSize(40, 41));
    QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(learn()->picAstro->size(), QSize(39, 53)); // the Moon's picture is taller than the box
    QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(learn()->picAstro->accessibleName(), QString("Jupiter glyph"));
}

void TestLearnMode::luckyNumberShowsOneAmpersand() {
    pick(welcome()->cboLearnOptionSub, "Lucky Number");
    pressNext();
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(shown(2), QString("Leo"));
    QCOMPARE(shown(3), QString("8 & 9"));
    QCOMPARE(w->workingState().RecordValues[4], std::string("8 && 9"));
}

void TestLearnMode::twoLineValueShowsOnTwoLines() {
    pick(welcome()->cboLearnOptionMain, "Learn By Planets");
    pick(welcome()->cboLearnOptionSub, "Ruler for House");
    pressNext();
    QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(shown(3), QString("9th House - The House of Travel\n12th House - The House of Shortcomings"));
}

void TestLearnMode::backToMainFromRecord7ThenNextStartsAtRecord0() {
    pick(welcome()->cboLearnOptionSub, "Birthstone");
    pressNext();
    for (int i = 0; i < 7; ++i)
        QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(shown(2), QString("Scorpio"));
    QTest::mouseClick(learn()->cmdBackToMain, Qt::LeftButton);
    QCOMPARE(w->screens->currentWidget(), welcome());
    QCOMPARE(w->workingState().CurrentIndex, 0);
    QVERIFY(w->workingState().RecordValues.empty());
    QVERIFY(w->workingState().RecordNames.empty());
    QCOMPARE(welcome()->cboLearnOptionSub->currentText(), QString("Birthstone"));
    pressNext();
    QCOMPARE(shown(2), QString("Aries"));
    QCOMPARE(shown(3), QString("Diamond"));
}

void TestLearnMode::wholeWalkByKeyboard() {
    // Tab from the mode option to the lists and to Next, as the screen reads top down.
    welcome()->optOption[0]->setFocus();
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), welcome()->cboLearnOptionMain);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // Learn By Planets
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), welcome()->cboLearnOptionSub);
    QCOMPARE(welcome()->cboLearnOptionSub->count(), 8);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // Ruler for Sign
    // The unselected mode option and the disabled test lists are skipped.
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), welcome()->cmdNext);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(w->screens->currentWidget(), learn());
    QCOMPARE(shown(2), QString("Sun"));
    QCOMPARE(shown(3), QString("Leo"));

    learn()->cmdNextDesc->setFocus();
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(learn()->cmdNextDesc, Qt::Key_Space);
    QCOMPARE(shown(2), QString("Pluto"));
    QCOMPARE(shown(3), QString("Scorpio"));
    // After the last button comes the banner in front, not the hidden one.
    QTest::keyClick(learn()->cmdNextDesc, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->lblCobrand));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), learn()->cmdBackToMain);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(learn()->lblValue));
    // What a screen reader says of the value box and of the step buttons.
    QCOMPARE(learn()->lblValue->accessibleName(), QString("Learn By Planets, Ruler for Sign: Pluto"));
    QCOMPARE(learn()->cmdNextDesc->accessibleDescription(), QString("Pluto: Scorpio"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    // A button's access key presses it visibly, so the click lands a moment later.
    QTRY_COMPARE(w->screens->currentWidget(), welcome());
}

void TestLearnMode::longestValueCanBeReadInFull() {
    pick(welcome()->cboLearnOptionSub, "Positive Traits");
    pressNext();
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(learn()->cmdNextDesc, Qt::LeftButton);
    QCOMPARE(shown(2), QString("Leo"));
    QVERIFY(shown(3).size() > 900);
    // The box keeps its place and size; what does not fit scrolls within it.
    QCOMPARE(learn()->lblValue->geometry(), QRect(64, 55, 473, 169));
    QVERIFY(learn()->lblValue->verticalScrollBar()->maximum() > 0);
}

void TestLearnMode::captionsGrowFromTheirCorner() {
    pick(welcome()->cboLearnOptionMain, "Learn By Planets");
    pick(welcome()->cboLearnOptionSub, "Time to complete one Cycle");
    pressNext();
    const QPoint corners[3] = {{64, 8}, {192, 8}, {64, 39}};
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = learn()->lblLabel[std::size_t(i)];
        QCOMPARE(caption->pos(), corners[i]);
        QVERIFY2(caption->width() >= caption->sizeHint().width(), "the whole caption shows");
    }
    QCOMPARE(shown(1), QString("Time to complete one Cycle"));
}

void TestLearnMode::enterPressesTheFocusedButton() {
    welcome()->cmdNext->setFocus();
    QTest::keyClick(welcome()->cmdNext, Qt::Key_Return);
    QCOMPARE(w->screens->currentWidget(), learn());
    QCOMPARE(QApplication::focusWidget(), learn()->cmdNextDesc);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(shown(2), QString("Taurus"));
    learn()->cmdBackToMain->setFocus();
    QTest::keyClick(learn()->cmdBackToMain, Qt::Key_Enter);
    QCOMPARE(w->screens->currentWidget(), welcome());
    QCOMPARE(QApplication::focusWidget(), welcome()->optOption[0]); // the mode chosen, a place to start again
}

QTEST_MAIN(TestLearnMode)
#include "tst_learnmode.moc"
