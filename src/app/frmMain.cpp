// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmMain.h"

#include "app/Accessibility.h"
#include "app/CopyGuard.h"
#include "app/ExitScreen.h"
#include "app/Guarded.h"
#include "app/LearnScreen.h"
#include "app/LinkLabel.h"
#include "app/Look.h"
#include "app/ResultScreen.h"
#include "app/Services.h"
#include "app/TabChain.h"
#include "app/TestScreen.h"
#include "app/WelcomeScreen.h"
#include "app/frmAbout.h"
#include "app/modHelp.h"
#include "learn/LearnBrowser.h"
#include "platform/RandomSource.h"
#include "test/Answering.h"
#include "test/QuestionGenerator.h"
#include "test/ResultReport.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLayout>
#include <QMenuBar>
#include <QStackedWidget>

#include <memory>

namespace orbelle::app {

using namespace look;
using namespace modLearnAstrology;

namespace {

const char* const kForumText =
    "Discuss astrology with other learners in our free online forum, and visit our web site for more tutorials and "
    "tools.";
const char* const kCobrandText =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &&  link "
    "here. See \"Help\" for details.    Click Here for more info on co-branding.";
const char* const kFullBrandText =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.";

// The main window's links: bold, pale yellow and centred in their box, which may wrap them.
LinkLabel* makeWindowLink(QWidget* parent, const char* name, const char* text) {
    LinkLabel* link = makeLink(parent, QLatin1String(name), QString::fromLatin1(text), verdana(8.25, true), PaleYellow);
    link->setWordWrap(true);
    link->setAlignment(Qt::AlignCenter);
    return link;
}

LinkLabel* makeBanner(QWidget* parent, const char* name, const char* text) {
    LinkLabel* banner = makeWindowLink(parent, name, text);
    setBackground(banner, Green);
    place(banner, 120, 165, 7905, 615);
    return banner;
}

} // namespace

frmMain::frmMain(Services& services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services) {
    buildWindow();
    connectHandlers();
    guarded("Form_Load", [this] { Form_Load(); });
}

frmMain::~frmMain() = default;

void frmMain::buildWindow() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(WindowTitle));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(verdana(8.25));
    m_copyGuard = new CopyGuard(m_services.clipboard, this);

    menu = MainMenu::build(menuBar());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setBackground(client, Green);
    client->setFixedSize(px(8415), px(5355));
    setCentralWidget(client);

    Label61 = makeWindowLink(client, "Label61", kForumText);
    place(Label61, 360, 30, 7695, 450);

    // Showing a screen raises its panel; the stack also keeps the covered panels out of
    // the keyboard's and the screen reader's way.
    screens = new QStackedWidget(client);
    // A plain container to a listener (a filler, passed over): a "layered pane" at every
    // entry into a screen would say nothing.
    setAccessibleRole(screens, QAccessible::Client);
    screens->setObjectName(QStringLiteral("screens"));
    place(screens, 120, 500, 8175, 3975);
    Frame1 = new WelcomeScreen;
    setBackground(Frame1, DarkGreen);
    screens->addWidget(Frame1);

    fraFullBrand = new QFrame(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    setBackground(fraFullBrand, Green);
    place(fraFullBrand, 120, 4450, 8175, 855);
    lblCobrand = makeBanner(fraFullBrand, "lblCobrand", kCobrandText);
    lblFullBrand = makeBanner(fraFullBrand, "lblFullBrand", kFullBrandText);
    // The two banners share one place; the one behind is hidden so that it cannot
    // take the keyboard focus unseen.
    bringToFront(lblCobrand);

    orderTabs();
    Frame1->focusEntry(); // the first choice a person makes

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOn(this, screen());
}

void frmMain::buildLaterScreens() {
    // All three or none: a screen that fails to build leaves the others unbuilt too.
    auto learnScreen = std::make_unique<LearnScreen>();
    auto testScreen = std::make_unique<TestScreen>(*m_copyGuard);
    auto resultScreen = std::make_unique<ResultScreen>(*m_copyGuard);
    Frame2 = learnScreen.release();
    Frame3 = testScreen.release();
    Frame4 = resultScreen.release();
    for (QWidget* screen :
         {static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Frame3), static_cast<QWidget*>(Frame4)}) {
        setBackground(screen, DarkGreen);
        screens->addWidget(screen); // the stack owns it from here
    }
    orderTabs();

    connectGuarded(Frame2, &LearnScreen::backToMainClicked, this, &frmMain::cmdBackToMain_Click, "cmdBackToMain_Click");
    connectGuarded(Frame4, &ResultScreen::backToMainClicked, this, &frmMain::cmdBackToMain_Click,
                   "cmdBackToMain_Click");
    connectGuarded(Frame2, &LearnScreen::backClicked, this, &frmMain::cmdBackDesc_Click, "cmdBackDesc_Click");
    connectGuarded(Frame2, &LearnScreen::nextClicked, this, &frmMain::cmdNextDesc_Click, "cmdNextDesc_Click");
    connectGuarded(Frame3, &TestScreen::nextQuestionClicked, this, &frmMain::cmdNextQuestion_Click,
                   "cmdNextQuestion_Click");
}

void frmMain::orderTabs() {
    // The keyboard walks the window from top to bottom; controls of covered screens and
    // the banner behind are hidden, so Tab passes them by.
    TabChain chain;
    chain.add(Label61);
    Frame1->addTabStops(chain);
    if (Frame2) {
        Frame2->addTabStops(chain);
        Frame3->addTabStops(chain);
        Frame4->addTabStops(chain);
    }
    chain.add(lblCobrand);
    chain.add(lblFullBrand);
}

void frmMain::connectHandlers() {
    connectGuarded(Frame1, &WelcomeScreen::nextClicked, this, &frmMain::cmdNext_Click, "cmdNext_Click");

    using modHelp::PageOpener;
    connect(menu.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(menu.mnuOnline, &QAction::triggered, this, PageOpener(m_services, modHelp::HelpWebPage));
    connect(menu.mnuVisit, &QAction::triggered, this, PageOpener(m_services, modHelp::HomePage));
    connect(menu.mnuUpdate, &QAction::triggered, this, PageOpener(m_services, modHelp::DownloadWebPage));
    connectGuarded(menu.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click, "mnuAbout_Click");
    connect(menu.mnuDonate, &QAction::triggered, this, PageOpener(m_services, modHelp::DonatePage));
    connect(menu.mnuMakeMoney, &QAction::triggered, this, PageOpener(m_services, modHelp::FullyBrandedPage));
    connect(Label61, &LinkLabel::activated, this, PageOpener(m_services, modHelp::HomePage));
    connect(lblCobrand, &LinkLabel::activated, this, PageOpener(m_services, modHelp::CoBrandPage));
    connect(lblFullBrand, &LinkLabel::activated, this, PageOpener(m_services, modHelp::FullyBrandedPage));
}

void frmMain::Form_Load() {
    Frame1->load();
    raiseScreen(Frame1);
}

template <typename Screen> void frmMain::raiseScreen(Screen* screen) {
    // The keyboard focus moves with the screen, to the control a person uses next. It is
    // named first, so that the stack hands the focus straight to it instead of passing it
    // through the next control in the window, which a screen reader would announce.
    screen->focusEntry();
    screens->setCurrentWidget(screen);
    screen->focusEntry();
}

void frmMain::bringToFront(LinkLabel* banner) {
    LinkLabel* behind = banner == lblCobrand ? lblFullBrand : lblCobrand;
    behind->hide();
    banner->show();
    banner->raise();
}

void frmMain::notify(std::string_view notice) {
    m_services.messageBox.show(std::string(notice), platform::MessageButtons::Ok, ProgramTitle);
}

void frmMain::CoBrand_Randomize() {
    const double r = m_services.random.nextSingle();
    intCoBrandRandomNumber = platform::nearest(6.0 * r + 1.0);
    switch (intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        bringToFront(lblCobrand);
        break;
    case 2:
    case 4:
    case 6:
        bringToFront(lblFullBrand);
        break;
    default: // 7: the label in front since the load stays there
        break;
    }
}

void frmMain::cmdNext_Click(const WelcomeChoice& choice) {
    m_state.TopicIndex = choice.topicIndex;
    m_state.AttributeIndex = choice.attributeIndex;
    m_state.TopicCaption = choice.topicCaption;
    m_state.AttributeCaption = choice.attributeCaption;
    m_state.CurrentIndex = 0;
    if (!Frame2)
        buildLaterScreens();
    if (choice.mode == Mode::Learn) {
        Frame2->showRecord(learn::ShowRecord(m_state));
        raiseScreen(Frame2);
    } else {
        Frame3->showQuestion(test::ShowQuestion(m_state, m_services.random));
        raiseScreen(Frame3);
    }
}

void frmMain::cmdBackToMain_Click(int /*index*/) {
    m_state.resetWalk();
    // The selected mode is where a person starts again, and its name says where they are.
    raiseScreen(Frame1);
}

void frmMain::cmdBackDesc_Click() {
    showStep(learn::BackRecord(m_state));
}

void frmMain::cmdNextDesc_Click() {
    showStep(learn::NextRecord(m_state));
}

void frmMain::showStep(const learn::StepResult& step) {
    if (step.record)
        Frame2->showRecord(*step.record);
    if (step.notice)
        notify(*step.notice);
}

void frmMain::cmdNextQuestion_Click(const std::optional<std::string>& answer) {
    if (test::AnswerQuestion(m_state, answer) == test::AfterAnswer::NextQuestion) {
        Frame3->showQuestion(test::ShowQuestion(m_state, m_services.random));
        // Back to the choices: coming into them says the new question.
        raiseScreen(Frame3);
        return;
    }
    Frame4->writeReport(test::ShowResult(m_state));
    raiseScreen(Frame4);
}

void frmMain::mnuAbout_Click() {
    // Created when opened and gone when closed.
    frmAbout about(m_services, this);
    about.exec();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Nothing is asked and nothing is saved: the exit screen takes over and the main
    // window goes.
    if (!m_closing) {
        m_closing = true;
        guarded("exit screen", [&] {
            auto* exitScreen = new ExitScreen(m_services);
            exitScreen->show();
        });
    }
    event->accept();
}

} // namespace orbelle::app
