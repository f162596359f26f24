// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive technology gets from the real window, in process: the events a screen
// reader speaks from, and every control worked through its accessibility action, as
// switch-access and voice-control tools work it. The real Orca listens in `make a11y`.

#include "AppFixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest/qtestaccessible.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <cmath>

using namespace orbelle;
using namespace orbelle::fakes;

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { forgetEvents(); }
    void init();
    void cleanup();

    void controlsWorkByTheirActions();
    void aLearnStepIsAnnouncedOnceAndTheButtonsOnlyRemind();
    void aDigitMovesTheFocusBeforeItSelects();
    void aCommandOnTheBarGivesTheFocusBack();

private:
    AppFixture* m_app = nullptr;
    app::frmMain* w = nullptr;

    static void act(QWidget* widget, const QString& action) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(control && control->actionInterface());
        QVERIFY2(control->actionInterface()->actionNames().contains(action), qPrintable(widget->objectName()));
        control->actionInterface()->doAction(action);
    }
    template <typename T = QWidget> T* control(const char* name) const { return named<T>(w, name); }
    // Questions draw from the random source: enough varied draws for any test.
    void scriptDraws() {
        for (int i = 0; i < 2000; ++i)
            m_app->random.push(float(std::fmod(i * 0.618034, 1.0)));
    }
    // Qt's recorder keeps copies of the events and lets go of them without deleting them.
    static void forgetEvents() {
        qDeleteAll(QTestAccessibility::events());
        QTestAccessibility::clearEvents();
    }
    bool sent(QObject* object, QAccessible::Event type) const {
        const auto events = QTestAccessibility::events();
        return std::any_of(events.begin(), events.end(),
                           [&](const auto& event) { return event->object() == object && event->type() == type; });
    }
};

void TestAccessibility::initTestCase() {
    QTestAccessibility::initialize();
    // As when a screen reader listens: Qt sends accessibility events only then.
    QPlatformAccessibility* accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!accessibility)
        QSKIP("this platform has no accessibility");
    accessibility->setActive(true);
}

void TestAccessibility::init() {
    m_app = new AppFixture;
    w = &m_app->open();
    forgetEvents();
}

void TestAccessibility::cleanup() {
    m_app->closeAll();
    delete m_app;
    m_app = nullptr;
}

void TestAccessibility::controlsWorkByTheirActions() {
    const QString press = QAccessibleActionInterface::pressAction();
    const QString toggle = QAccessibleActionInterface::toggleAction();
    // The mode options switch the lists whatever selects them.
    act(control("optOption_1"), toggle);
    QVERIFY(control("cboTestOptionMain")->isEnabled());
    QVERIFY(!control("cboLearnOptionMain")->isEnabled());
    act(control("optOption_0"), toggle);
    QVERIFY(control("cboLearnOptionMain")->isEnabled());
    QVERIFY(!control("cboTestOptionSub")->isEnabled());

    act(control("cmdNext"), press);
    QTRY_COMPARE(m_app->currentScreen()->objectName(), QString("Frame2"));
    act(control("cmdNextDesc"), press); // a press by action is animated: the click lands a moment later
    QTRY_COMPARE(control<QLabel>("lblLabel_2")->text(), QString("Taurus"));
    act(control("cmdBackDesc"), press);
    QTRY_COMPARE(control<QLabel>("lblLabel_2")->text(), QString("Aries"));
    act(control("cmdBackToMain_0"), press);
    QTRY_COMPARE(m_app->currentScreen()->objectName(), QString("Frame1"));

    // A list opens as under a click.
    auto* list = control<QComboBox>("cboLearnOptionSub");
    act(list, press);
    QTRY_VERIFY(list->view()->isVisible());
    list->hidePopup();
    QTRY_VERIFY(!list->view()->isVisible());
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    // A prose test: a long choice's box takes the focus by its action, to be read; only
    // the choice itself picks.
    act(control("optOption_1"), toggle);
    pickEntry(control<QComboBox>("cboTestOptionSub"), "Positive Traits");
    scriptDraws();
    act(control("cmdNext"), press);
    QTRY_COMPARE(m_app->currentScreen()->objectName(), QString("Frame3"));
    act(control("optAnswer_Choice_2"), toggle);
    QVERIFY(control<QRadioButton>("optAnswer_Choice_2")->isChecked());
    act(control("txtAnswer_Choice_4"), QAccessibleActionInterface::setFocusAction());
    QCOMPARE(QApplication::focusWidget(), control("txtAnswer_Choice_4"));
    QVERIFY(control<QRadioButton>("optAnswer_Choice_2")->isChecked());
    act(control("cmdNextQuestion"), press);
    QTRY_VERIFY(control("question")->accessibleName().startsWith("Question 2 of 12"));
}

void TestAccessibility::aLearnStepIsAnnouncedOnceAndTheButtonsOnlyRemind() {
    pickEntry(control<QComboBox>("cboLearnOptionMain"), "Learn By Planets");
    pickEntry(control<QComboBox>("cboLearnOptionSub"), "Keywords");
    m_app->pressNext();
    // Arriving, Next carries the whole step, for the focus to say it.
    QCOMPARE(control("cmdNextDesc")->accessibleDescription(), QString("Sun: Identity, Vitality, Goals"));
    QWidget* announcement = named(m_app->screen(2), "announcement");
    forgetEvents();
    QTest::keyClick(control("cmdNextDesc"), Qt::Key_Space);
    const auto shows = QTestAccessibility::events();
    QCOMPARE(std::count_if(
                 shows.begin(), shows.end(),
                 [&](const auto& e) { return e->object() == announcement && e->type() == QAccessible::ObjectShow; }),
             1);
    QCOMPARE(announcement->accessibleName(), QString("Moon: Emotions, Intuition, Home"));
    QCOMPARE(control("cmdNextDesc")->accessibleDescription(), QString("Moon"));
    QCOMPARE(control("cmdBackDesc")->accessibleDescription(), QString("Moon"));
}

void TestAccessibility::aDigitMovesTheFocusBeforeItSelects() {
    act(control("optOption_1"), QAccessibleActionInterface::toggleAction());
    scriptDraws();
    m_app->pressNext();
    auto* first = control<QRadioButton>("optAnswer_Choice_0");
    auto* third = control<QRadioButton>("optAnswer_Choice_2");
    QCOMPARE(QApplication::focusWidget(), first);
    forgetEvents();
    QTest::keyClick(first, Qt::Key_3);
    QCOMPARE(QApplication::focusWidget(), third);
    QVERIFY(third->isChecked());
    const auto events = QTestAccessibility::events();
    const auto at = [&](QObject* object, QAccessible::Event type) {
        return std::find_if(events.begin(), events.end(),
                            [&](const auto& e) { return e->object() == object && e->type() == type; }) -
               events.begin();
    };
    // Had the first choice been unchecked while it had the focus, "not selected" would be heard.
    QVERIFY(at(first, QAccessible::StateChanged) < events.size());
    QVERIFY(at(third, QAccessible::Focus) < at(first, QAccessible::StateChanged));
}

void TestAccessibility::aCommandOnTheBarGivesTheFocusBack() {
    // Donate runs at once from its access key; a screen reader must hear where the focus is.
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(w, Qt::Key_D, Qt::AltModifier);
    QCOMPARE(m_app->shell.opened.size(), std::size_t(1));
    QTRY_VERIFY(sent(focused, QAccessible::Focus));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
