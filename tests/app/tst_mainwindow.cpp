// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as a whole: its layout, menus, link labels, banner, About box and
// what closing it leads to.

#include "AppFixture.h"

#include "app/ExitScreen.h"
#include "app/LinkLabel.h"
#include "app/frmAbout.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>

using namespace orbelle;
using namespace orbelle::fakes;

namespace {

const std::string kAddress = "http://www.orbelle.example/orbelle/ssd.php?page=";

QRect rectOf(QWidget* widget) {
    return widget->geometry();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void laterScreensWaitForFirstUse();
    void layout_data();
    void layout();
    void looks_data();
    void looks();
    void menuTree();
    void menuCommandsOpenTheirPages_data();
    void menuCommandsOpenTheirPages();
    void linkLabels_data();
    void linkLabels();
    void linkLabelIsALinkToAssistiveTechnology();
    void linkLabelOpensByKeyboard();
    void rolesForAListener();
    void cobrandShowsOneAmpersandAndItsBlanks();
    void bannerDraw_data();
    void bannerDraw();
    void aboutBoxIsModalAndLaidOut();
    void fileExitLeadsToTheExitScreenAndThenToTheEnd();
    void closeBoxActsLikeFileExit();
    void copyGuardOnThePlainMouseMove();

private:
    AppFixture* m_app = nullptr;
    app::frmMain* w = nullptr;

    app::LinkLabel* link(const char* name) const { return named<app::LinkLabel>(w, name); }
    QAction* command(const char* name) const { return named<QAction>(w, name); }
};

void TestMainWindow::init() {
    m_app = new AppFixture;
    w = &m_app->open();
}

void TestMainWindow::cleanup() {
    m_app->closeAll();
    delete m_app;
    m_app = nullptr;
}

void TestMainWindow::windowFrame() {
    QCOMPARE(w->windowTitle(), QString("Orbelle v1.15"));
    QCOMPARE(w->centralWidget()->size(), QSize(561, 357)); // 8415 x 5355 twips
    QCOMPARE(w->centralWidget()->geometry().top(), w->menuBar()->geometry().bottom() + 1);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(w->minimumSize(), w->maximumSize()); // fixed size
    QCOMPARE(w->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
    // Verdana where the computer has it, else DejaVu Sans, and that is what draws.
    const QString family = QFontDatabase::hasFamily("Verdana") ? "Verdana" : "DejaVu Sans";
    QCOMPARE(w->font().family(), family);
    QCOMPARE(QFontInfo(named<QLabel>(w, "Label1", 0)->font()).family(), family);
    QCOMPARE(w->font().pointSizeF(), 8.25);
}

void TestMainWindow::laterScreensWaitForFirstUse() {
    // A start builds the welcome screen only.
    QCOMPARE(m_app->screens()->count(), 1);
    QVERIFY(!w->findChild<QWidget*>("Frame2"));
    QVERIFY(!w->findChild<QWidget*>("Frame3"));
    QVERIFY(!w->findChild<QWidget*>("Frame4"));

    // Meanwhile Tab goes from Next to the banner in front.
    QWidget* banner = link("lblCobrand")->isVisible() ? link("lblCobrand") : link("lblFullBrand");
    auto* next = named<QPushButton>(w, "cmdNext");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), banner);

    // The first Next builds the three of them and shows the learn screen; they stay.
    m_app->pressNext();
    QCOMPARE(m_app->screens()->count(), 4);
    QWidget* learn = m_app->currentScreen();
    QCOMPARE(learn->objectName(), QString("Frame2"));
    QVERIFY(w->findChild<QWidget*>("Frame3"));
    QVERIFY(w->findChild<QWidget*>("Frame4"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier); // Back To Main
    // A button's access key presses it visibly, so the click lands a moment later.
    QTRY_COMPARE(m_app->currentScreen(), m_app->screen(1));
    m_app->pressNext();
    QCOMPARE(m_app->screens()->count(), 4);
    QCOMPARE(m_app->currentScreen(), learn);
}

void TestMainWindow::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    // Twips divided by fifteen, rounded to the nearest pixel.
    QTest::newRow("Label61") << "Label61" << QRect(24, 2, 513, 30);
    QTest::newRow("screens") << "screens" << QRect(8, 33, 545, 265);
    QTest::newRow("fraFullBrand") << "fraFullBrand" << QRect(8, 297, 545, 57);
    QTest::newRow("lblCobrand") << "lblCobrand" << QRect(8, 11, 527, 41);
    QTest::newRow("lblFullBrand") << "lblFullBrand" << QRect(8, 11, 527, 41);
    QTest::newRow("Label1_0") << "Label1_0" << QRect(8, 16, 529, 27);
    QTest::newRow("Label1_1") << "Label1_1" << QRect(8, 48, 529, 27);
    QTest::newRow("Label1_2") << "Label1_2" << QRect(8, 80, 529, 19);
    QTest::newRow("optOption_0") << "optOption_0" << QRect(24, 128, 113, 20);
    QTest::newRow("cboLearnOptionMain") << "cboLearnOptionMain" << QRect(152, 128, 169, 22);
    QTest::newRow("cboLearnOptionSub") << "cboLearnOptionSub" << QRect(152, 160, 169, 22);
    QTest::newRow("optOption_1") << "optOption_1" << QRect(24, 200, 113, 20);
    QTest::newRow("cboTestOptionMain") << "cboTestOptionMain" << QRect(152, 200, 169, 22);
    QTest::newRow("cboTestOptionSub") << "cboTestOptionSub" << QRect(152, 232, 169, 22);
    QTest::newRow("cmdNext") << "cmdNext" << QRect(470, 227, 67, 27);
    QTest::newRow("picAstro") << "picAstro" << QRect(8, 8, 40, 36);
    QTest::newRow("lblLabel_3") << "lblLabel_3" << QRect(64, 55, 473, 169);
    QTest::newRow("cmdBackToMain_0") << "cmdBackToMain_0" << QRect(16, 232, 93, 27);
    QTest::newRow("cmdBackDesc") << "cmdBackDesc" << QRect(392, 232, 67, 27);
    QTest::newRow("cmdNextDesc") << "cmdNextDesc" << QRect(464, 232, 67, 27);
    QTest::newRow("picTest") << "picTest" << QRect(8, 8, 40, 41);
    for (int k = 0; k < 5; ++k) {
        QTest::addRow("optAnswer_Choice_%d", k)
            << QString("optAnswer_Choice_%1").arg(k) << QRect(8, 64 + 32 * k, 13, 13);
        QTest::addRow("txtAnswer_Choice_%d", k)
            << QString("txtAnswer_Choice_%1").arg(k) << QRect(24, 64 + 32 * k, 513, 27);
    }
    QTest::newRow("cmdNextQuestion") << "cmdNextQuestion" << QRect(440, 232, 100, 27);
    QTest::newRow("RTB") << "RTB" << QRect(8, 8, 529, 217);
    QTest::newRow("cmdBackToMain_1") << "cmdBackToMain_1" << QRect(234, 232, 93, 27);
}

void TestMainWindow::layout() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    m_app->pressNext(); // builds the learn, test and result screens
    auto* widget = w->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(rectOf(widget), pixels);
}

void TestMainWindow::looks_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Label61") << "Label61" << QColor(255, 255, 192) << 8.25 << true;
    QTest::newRow("Label1_0") << "Label1_0" << QColor(255, 180, 4) << 8.25 << true;
    QTest::newRow("optOption_0") << "optOption_0" << QColor(255, 255, 255) << 9.0 << true;
    QTest::newRow("lblLabel_0") << "lblLabel_0" << QColor(255, 255, 0) << 9.0 << true;
    QTest::newRow("lblLabel_1") << "lblLabel_1" << QColor(0, 255, 0) << 9.0 << true;
    QTest::newRow("lblLabel_2") << "lblLabel_2" << QColor(255, 255, 255) << 8.25 << true;
    QTest::newRow("lblLabel_3") << "lblLabel_3" << QColor(255, 255, 255) << 8.25 << false;
    QTest::newRow("lblTest_0") << "lblTest_0" << QColor(255, 255, 0) << 9.0 << true;
    QTest::newRow("lblTest_1") << "lblTest_1" << QColor(0, 255, 0) << 9.0 << true;
    QTest::newRow("lblTest_2") << "lblTest_2" << QColor(128, 255, 255) << 8.25 << true;
    QTest::newRow("lblTest_3") << "lblTest_3" << QColor(255, 128, 255) << 8.25 << true;
    QTest::newRow("lblCobrand") << "lblCobrand" << QColor(255, 255, 192) << 8.25 << true;
}

void TestMainWindow::looks() {
    QFETCH(QString, name);
    QFETCH(QColor, text);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    m_app->pressNext(); // builds the learn, test and result screens
    auto* widget = w->findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    // A text box draws its text in the Text colour, a label in the WindowText colour.
    const bool textBox = qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
    QCOMPARE(widget->palette().color(textBox ? QPalette::Text : QPalette::WindowText), text);
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
}

void TestMainWindow::menuTree() {
    QStringList bar;
    for (QAction* action : w->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
    QCOMPARE(named<QMenu>(w, "nuFile")->actions().size(), 1);
    QCOMPARE(command("mnuExit")->text(), QString("E&xit"));
    QStringList help;
    for (QAction* action : named<QMenu>(w, "mnuHelp")->actions())
        help << (action->isSeparator() ? QString("-") : action->text());
    QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "-", "&Check for Software Update", "-",
                                "&About Software"}));
    QVERIFY(!command("mnuDonate")->menu());
    QVERIFY(!command("mnuMakeMoney")->isEnabled());
    QVERIFY(command("mnuMakeMoney")->isVisible());
    for (QAction* action : w->findChildren<QAction*>()) {
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->isCheckable());
    }
}

void TestMainWindow::menuCommandsOpenTheirPages_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("page");
    QTest::newRow("Online Help") << "mnuOnline"
                                 << "help-web-page";
    QTest::newRow("Visit Us Online") << "mnuVisit"
                                     << "home-page";
    QTest::newRow("Check for Software Update") << "mnuUpdate"
                                               << "download-web-page";
    QTest::newRow("Donate") << "mnuDonate"
                            << "donate";
}

void TestMainWindow::menuCommandsOpenTheirPages() {
    QFETCH(QString, action);
    QFETCH(QString, page);
    m_app->pressNext(); // builds the learn, test and result screens
    // The same on every screen.
    for (int screen = 0; screen < 4; ++screen) {
        m_app->screens()->setCurrentIndex(screen);
        command(qPrintable(action))->trigger();
    }
    QCOMPARE(m_app->shell.opened.size(), std::size_t(4));
    for (const std::string& opened : m_app->shell.opened)
        QCOMPARE(QString::fromStdString(opened), QString::fromStdString(kAddress) + page);
    QVERIFY(m_app->settings.entries.empty()); // only the reminder writes the date
}

void TestMainWindow::linkLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::newRow("Label61") << "Label61"
                             << "home-page";
    QTest::newRow("lblCobrand") << "lblCobrand"
                                << "co-brand";
    QTest::newRow("lblFullBrand") << "lblFullBrand"
                                  << "fully-branded";
}

void TestMainWindow::linkLabels() {
    QFETCH(QString, name);
    QFETCH(QString, page);
    auto* link = w->findChild<app::LinkLabel*>(name);
    QVERIFY(link);
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(link->focusPolicy() & Qt::TabFocus);
    link->show(); // the banner behind is hidden; show it to click it
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_app->shell.opened, std::vector<std::string>{kAddress + page.toStdString()});
}

void TestMainWindow::linkLabelIsALinkToAssistiveTechnology() {
    QAccessibleInterface* forum = QAccessible::queryAccessibleInterface(link("Label61"));
    QVERIFY(forum);
    QCOMPARE(forum->role(), QAccessible::Link);
    QCOMPARE(forum->text(QAccessible::Name), link("Label61")->text());
    QAccessibleActionInterface* actions = forum->actionInterface();
    QVERIFY(actions);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_app->shell.opened, std::vector<std::string>{kAddress + "home-page"});
}

void TestMainWindow::rolesForAListener() {
    // The roles the program gives, beside the links' own interface, come from one factory.
    const auto roleOf = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->role(); };
    m_app->pressNext(); // builds the later screens
    QCOMPARE(roleOf(m_app->screens()), QAccessible::Client);
    QCOMPARE(roleOf(named<QWidget>(w, "Frame2")), QAccessible::Grouping);
    QCOMPARE(roleOf(named<QWidget>(w, "question")), QAccessible::Paragraph);
    QCOMPARE(roleOf(link("Label61")), QAccessible::Link);
    QVERIFY(w->close());
    int exitScreens = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* exitScreen = qobject_cast<app::ExitScreen*>(widget); exitScreen && exitScreen->isVisible()) {
            QCOMPARE(roleOf(exitScreen), QAccessible::Dialog);
            ++exitScreens;
        }
    }
    QCOMPARE(exitScreens, 1);
}

void TestMainWindow::linkLabelOpensByKeyboard() {
    link("Label61")->setFocus();
    QTest::keyClick(link("Label61"), Qt::Key_Return);
    QTest::keyClick(link("Label61"), Qt::Key_Space);
    QCOMPARE(m_app->shell.opened.size(), std::size_t(2));
}

void TestMainWindow::cobrandShowsOneAmpersandAndItsBlanks() {
    QCOMPARE(
        link("lblCobrand")->text(),
        QString("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                "site's name &  link here. See \"Help\" for details.    Click Here for more info on co-branding."));
    QCOMPARE(link("lblFullBrand")->text(),
             QString("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                     "software fully branded for your website. Click here for more details."));
    QCOMPARE(link("Label61")->text().split(' ', Qt::SkipEmptyParts).size(), 20);
}

void TestMainWindow::bannerDraw_data() {
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("front");
    // nearest(6u + 1): 1 and 7 take half a band each.
    QTest::newRow("u=0 gives 1") << 0.0f << 1 << "lblCobrand";
    QTest::newRow("u=0.08 gives 1") << 0.08f << 1 << "lblCobrand";
    QTest::newRow("u=0.09 gives 2") << 0.09f << 2 << "lblFullBrand";
    QTest::newRow("u=0.25: 2.5 goes to the even 2") << 0.25f << 2 << "lblFullBrand";
    QTest::newRow("u=0.3 gives 3") << 0.3f << 3 << "lblCobrand";
    QTest::newRow("u=0.75: 5.5 goes to the even 6") << 0.75f << 6 << "lblFullBrand";
    QTest::newRow("u=0.5 gives 4") << 0.5f << 4 << "lblFullBrand";
    QTest::newRow("u=0.6 gives 5") << 0.6f << 5 << "lblCobrand";
    QTest::newRow("u=0.9 gives 6") << 0.9f << 6 << "lblFullBrand";
    QTest::newRow("u=0.91 gives 6") << 0.91f << 6 << "lblFullBrand";
    QTest::newRow("u=0.92 gives 7, the loaded front stays") << 0.92f << 7 << "lblCobrand";
}

void TestMainWindow::bannerDraw() {
    QFETCH(float, u);
    QFETCH(int, number);
    QFETCH(QString, front);
    m_app->random.push(u);
    w->CoBrand_Randomize();
    QCOMPARE(w->intCoBrandRandomNumber, number);
    app::LinkLabel* shown = link(qPrintable(front));
    QVERIFY(shown->isVisible());
    app::LinkLabel* other = link(front == "lblCobrand" ? "lblFullBrand" : "lblCobrand");
    QVERIFY(!other->isVisible());
    QCOMPARE(m_app->random.drawsTaken(), 1);
}

void TestMainWindow::aboutBoxIsModalAndLaidOut() {
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        auto* about = qobject_cast<app::frmAbout*>(QApplication::activeModalWidget());
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("Orbelle v1.15"));
        QCOMPARE(about->size(), QSize(471, 211));
        const auto label = [about](const char* name) { return named<QLabel>(about, name); };
        QCOMPARE(label("Label2")->text(), QString("Orbelle v1.15"));
        QCOMPARE(label("Label2")->geometry(), QRect(54, 19, 277, 23));
        QCOMPARE(label("Label1")->geometry(), QRect(8, 48, 461, 61));
        QCOMPARE(label("lblHomePage")->text(), QString("Click here to visit www.orbelle.example"));
        QCOMPARE(label("lblHomePage")->geometry(), QRect(191, 105, 270, 13));
        QCOMPARE(label("Label3")->text(),
                 QString("Home Business Opportunity. Start your own Internet business and make "
                         "money online. Get this software fully branded for your website."));
        QCOMPARE(label("lblCobrand")->text(), QString("Click here for more details"));
        QCOMPARE(label("lblCobrand")->geometry(), QRect(308, 155, 153, 13));
        QCOMPARE(named<QPushButton>(about, "cmdOK")->geometry(), QRect(377, 184, 84, 23));
        QCOMPARE(label("Picture1")->geometry(), QRect(8, 10, 32, 32));
        QVERIFY(!label("Picture1")->pixmap().isNull());
        QCOMPARE(label("Label3")->geometry(), QRect(8, 126, 453, 29));
        QCOMPARE(about->findChild<QWidget*>("Line1")->geometry(), QRect(-4, 178, 516, 1));
        QCOMPARE(about->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QTest::mouseClick(label("lblHomePage"), Qt::LeftButton);
        QTest::mouseClick(label("lblCobrand"), Qt::LeftButton);
        // While it is open the main window's menus take nothing.
        QVERIFY(QApplication::activeModalWidget() == about);
        checked = true;
        QTest::mouseClick(named<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    });
    command("mnuAbout")->trigger();
    QVERIFY(checked);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(w->findChildren<app::frmAbout*>().isEmpty()); // discarded on close
    QCOMPARE(m_app->shell.opened, (std::vector<std::string>{kAddress + "home-page", kAddress + "fully-branded"}));
}

void TestMainWindow::fileExitLeadsToTheExitScreenAndThenToTheEnd() {
    command("mnuExit")->trigger();
    QVERIFY(!w->isVisible());
    app::ExitScreen* exitScreen = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<app::ExitScreen*>(widget); candidate && candidate->isVisible())
            exitScreen = candidate;
    QVERIFY(exitScreen);
    QVERIFY(!exitScreen->isModal());
    QCOMPARE(m_app->endRequests, 0); // the process keeps running while the exit screen is open
    QTest::mouseClick(named<app::LinkLabel>(exitScreen, "lblHomePage"), Qt::LeftButton);
    QCOMPARE(m_app->shell.opened, std::vector<std::string>{kAddress + "home-page"});
    QTest::mouseClick(named<QPushButton>(exitScreen, "cmdExit"), Qt::LeftButton);
    QCOMPARE(m_app->endRequests, 1);
    QVERIFY(m_app->settings.entries.empty());
    QCOMPARE(m_app->settings.writes, 0);
}

void TestMainWindow::closeBoxActsLikeFileExit() {
    QVERIFY(w->close());
    app::ExitScreen* exitScreen = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<app::ExitScreen*>(widget); candidate && candidate->isVisible())
            exitScreen = candidate;
    QVERIFY(exitScreen);
    QVERIFY(exitScreen->close()); // its close box
    QCOMPARE(m_app->endRequests, 1);
    QCOMPARE(m_app->settings.writes, 0);
}

void TestMainWindow::copyGuardOnThePlainMouseMove() {
    m_app->pressNext(); // builds the learn, test and result screens
    m_app->screens()->setCurrentWidget(m_app->screen(4));
    QWidget* report = named<QTextEdit>(w, "RTB")->viewport();
    const int before = m_app->clipboard.clears;
    QTest::mouseMove(report, QPoint(20, 20));
    QTest::mouseMove(report, QPoint(40, 30));
    QVERIFY(m_app->clipboard.clears > before);
    const int afterMove = m_app->clipboard.clears;
    QTest::mouseClick(report, Qt::LeftButton, {}, QPoint(30, 30));
    QVERIFY(m_app->clipboard.clears >= afterMove + 2); // press and release
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
