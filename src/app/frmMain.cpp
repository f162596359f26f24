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
#include "app/TestScreen.h"
#include "app/WelcomeScreen.h"
#include "app/frmAbout.h"
#include "app/modHelp.h"
#include "knowledge/Captions.h"
#include "learn/LearnBrowser.h"
#include "platform/RandomSource.h"
#include "test/Answering.h"
#include "test/QuestionGenerator.h"
#include "test/ResultReport.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTextEdit>

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

void fillList(QComboBox* list, auto captions) {
    for (std::string_view caption : captions)
        list->addItem(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

// The attribute list follows its topic list: the topic's captions, the first selected.
void refillAttributes(QComboBox* topics, QComboBox* attributes) {
    attributes->clear();
    fillList(attributes, AttributeCaptions(TopicFromIndex(topics->currentIndex())));
    attributes->setCurrentIndex(0);
}

LinkLabel* makeBanner(QWidget* parent, const char* name, const char* text) {
    auto* banner = new LinkLabel(QString::fromLatin1(text), parent);
    banner->setObjectName(QLatin1String(name));
    banner->setWordWrap(true);
    banner->setAlignment(Qt::AlignCenter);
    QFont font = verdana(8.25, true);
    font.setUnderline(true);
    banner->setFont(font);
    setTextColor(banner, PaleYellow);
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
    Form_Load();
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

    Label61 = new LinkLabel(QString::fromLatin1(kForumText), client);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setWordWrap(true);
    Label61->setAlignment(Qt::AlignCenter);
    QFont linkFont = verdana(8.25, true);
    linkFont.setUnderline(true);
    Label61->setFont(linkFont);
    setTextColor(Label61, PaleYellow);
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
    Frame1->optOption[0]->setFocus(); // the first choice a person makes

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = this->screen()) // centred on the screen
        move(screen->availableGeometry().center() - rect().center());
}

LearnScreen* frmMain::Frame2() {
    buildLaterScreens();
    return m_learnScreen;
}

TestScreen* frmMain::Frame3() {
    buildLaterScreens();
    return m_testScreen;
}

ResultScreen* frmMain::Frame4() {
    buildLaterScreens();
    return m_resultScreen;
}

void frmMain::buildLaterScreens() {
    if (m_learnScreen)
        return;
    // All three or none: a screen that fails to build leaves the others unbuilt too.
    auto learnScreen = std::make_unique<LearnScreen>();
    auto testScreen = std::make_unique<TestScreen>(*m_copyGuard);
    auto resultScreen = std::make_unique<ResultScreen>(*m_copyGuard);
    m_learnScreen = learnScreen.release();
    m_testScreen = testScreen.release();
    m_resultScreen = resultScreen.release();
    for (QWidget* screen : {static_cast<QWidget*>(m_learnScreen), static_cast<QWidget*>(m_testScreen),
                            static_cast<QWidget*>(m_resultScreen)}) {
        setBackground(screen, DarkGreen);
        screens->addWidget(screen); // the stack owns it from here
    }
    orderTabs();

    connect(m_learnScreen->cmdBackToMain, &QPushButton::clicked, this, [this] { cmdBackToMain_Click(0); });
    connect(m_resultScreen->cmdBackToMain, &QPushButton::clicked, this, [this] { cmdBackToMain_Click(1); });
    connect(m_learnScreen->cmdBackDesc, &QPushButton::clicked, this, [this] { cmdBackDesc_Click(); });
    connect(m_learnScreen->cmdNextDesc, &QPushButton::clicked, this, [this] { cmdNextDesc_Click(); });
    connect(m_testScreen->cmdNextQuestion, &QPushButton::clicked, this, [this] { cmdNextQuestion_Click(); });
    connect(m_testScreen, &TestScreen::answerTextClicked, this, [this](int index) { txtAnswer_Choice_Click(index); });
}

void frmMain::orderTabs() {
    // The keyboard walks the window from top to bottom; controls of covered screens and
    // the banner behind are hidden, so Tab passes them by.
    QList<QWidget*> order{Label61,
                          Frame1->optOption[0],
                          Frame1->cboLearnOptionMain,
                          Frame1->cboLearnOptionSub,
                          Frame1->optOption[1],
                          Frame1->cboTestOptionMain,
                          Frame1->cboTestOptionSub,
                          Frame1->cmdNext};
    if (m_learnScreen) {
        order << m_learnScreen->lblValue << m_learnScreen->cmdBackToMain << m_learnScreen->cmdBackDesc
              << m_learnScreen->cmdNextDesc;
        for (QRadioButton* choice : m_testScreen->optAnswer_Choice)
            order << choice;
        // The choice texts come after the button, so that one Tab goes from the choices
        // to Next Question.
        order << m_testScreen->cmdNextQuestion;
        for (QPlainTextEdit* text : m_testScreen->txtAnswer_Choice)
            order << text;
        order << m_resultScreen->RTB << m_resultScreen->cmdBackToMain;
    }
    order << lblCobrand << lblFullBrand;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void frmMain::connectHandlers() {
    for (int i = 0; i < 2; ++i) {
        connect(Frame1->optOption[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optOption_Click(i);
        });
    }
    // A topic handler runs when the selected topic changes, by the user or the program;
    // picking the topic already selected keeps the attribute chosen.
    connect(Frame1->cboLearnOptionMain, &QComboBox::currentIndexChanged, this, [this] { cboLearnOptionMain_Click(); });
    connect(Frame1->cboTestOptionMain, &QComboBox::currentIndexChanged, this, [this] { cboTestOptionMain_Click(); });
    connect(Frame1->cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });

    const auto page = [this](const char* key) {
        return [this, key] { guarded("OpenWebPage", [&] { modHelp::OpenWebPage(m_services, key); }); };
    };
    connect(menu.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(menu.mnuOnline, &QAction::triggered, this, page("help-web-page"));
    connect(menu.mnuVisit, &QAction::triggered, this, page("home-page"));
    connect(menu.mnuUpdate, &QAction::triggered, this, page("download-web-page"));
    connect(menu.mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(menu.mnuDonate, &QAction::triggered, this, page("donate"));
    connect(menu.mnuMakeMoney, &QAction::triggered, this, page("fully-branded"));
    connect(Label61, &LinkLabel::activated, this, page("home-page"));
    connect(lblCobrand, &LinkLabel::activated, this, page("co-brand"));
    connect(lblFullBrand, &LinkLabel::activated, this, page("fully-branded"));
}

void frmMain::Form_Load() {
    guarded("Form_Load", [&] {
        {
            // A list selects its first entry the moment it is appended; the topic
            // handlers run below, not halfway through the filling.
            const QSignalBlocker learnTopics(Frame1->cboLearnOptionMain);
            const QSignalBlocker testTopics(Frame1->cboTestOptionMain);
            fillList(Frame1->cboLearnOptionMain, TopicCaptions(Mode::Learn));
            fillList(Frame1->cboLearnOptionSub, AttributeCaptions(Topic::Signs));
            fillList(Frame1->cboTestOptionMain, TopicCaptions(Mode::Test));
            fillList(Frame1->cboTestOptionSub, AttributeCaptions(Topic::Signs));
        }
        // Entry 0 is selected already, so selecting it reports no change: the handler
        // is run here as the selection would have run it.
        Frame1->cboLearnOptionMain->setCurrentIndex(0);
        cboLearnOptionMain_Click();
        Frame1->cboLearnOptionSub->setCurrentIndex(0);
        Frame1->cboTestOptionMain->setCurrentIndex(0);
        cboTestOptionMain_Click();
        Frame1->cboTestOptionSub->setCurrentIndex(0);
        Frame1->cboTestOptionMain->setEnabled(false);
        Frame1->cboTestOptionSub->setEnabled(false);
        raiseScreen(Frame1);
    });
}

void frmMain::raiseScreen(QWidget* screen, QWidget* focus) {
    // The keyboard focus moves with the screen, to the control a person uses next. It is
    // named first, so that the stack hands the focus straight to it instead of passing it
    // through the next control in the window, which a screen reader would announce.
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    screens->setCurrentWidget(screen);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void frmMain::bringToFront(LinkLabel* banner) {
    LinkLabel* behind = banner == lblCobrand ? lblFullBrand : lblCobrand;
    behind->hide();
    banner->show();
    banner->raise();
}

void frmMain::notify(std::string_view notice) {
    m_services.messageBox.show(std::string(notice), platform::MessageIcon::Information, platform::MessageButtons::Ok,
                               ProgramTitle);
}

void frmMain::CoBrand_Randomize() {
    guarded("CoBrand_Randomize", [&] {
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
    });
}

void frmMain::optOption_Click(int index) {
    guarded("optOption_Click", [&] {
        const bool learn = index == 0;
        Frame1->cboLearnOptionMain->setEnabled(learn);
        Frame1->cboLearnOptionSub->setEnabled(learn);
        Frame1->cboTestOptionMain->setEnabled(!learn);
        Frame1->cboTestOptionSub->setEnabled(!learn);
    });
}

void frmMain::cboLearnOptionMain_Click() {
    guarded("cboLearnOptionMain_Click",
            [&] { refillAttributes(Frame1->cboLearnOptionMain, Frame1->cboLearnOptionSub); });
}

void frmMain::cboTestOptionMain_Click() {
    guarded("cboTestOptionMain_Click", [&] { refillAttributes(Frame1->cboTestOptionMain, Frame1->cboTestOptionSub); });
}

void frmMain::cmdNext_Click() {
    guarded("cmdNext_Click", [&] {
        const bool learn = Frame1->optOption[0]->isChecked();
        QComboBox* topics = learn ? Frame1->cboLearnOptionMain : Frame1->cboTestOptionMain;
        QComboBox* attributes = learn ? Frame1->cboLearnOptionSub : Frame1->cboTestOptionSub;
        m_state.TopicIndex = topics->currentIndex();
        m_state.AttributeIndex = attributes->currentIndex();
        m_state.TopicCaption = topics->currentText().trimmed().toStdString();
        m_state.AttributeCaption = attributes->currentText().trimmed().toStdString();
        m_state.CurrentIndex = 0;
        if (learn) {
            Frame2()->showRecord(learn::ShowRecord(m_state));
            raiseScreen(Frame2(), Frame2()->cmdNextDesc);
        } else {
            Frame3()->showQuestion(test::ShowQuestion(m_state, m_services.random));
            raiseScreen(Frame3(), Frame3()->optAnswer_Choice[0]);
        }
    });
}

void frmMain::cmdBackToMain_Click(int /*index*/) {
    guarded("cmdBackToMain_Click", [&] {
        m_state.resetWalk();
        // The selected mode is where a person starts again, and its name says where they are.
        raiseScreen(Frame1, Frame1->optOption[0]->isChecked() ? Frame1->optOption[0] : Frame1->optOption[1]);
    });
}

void frmMain::cmdBackDesc_Click() {
    guarded("cmdBackDesc_Click", [&] {
        const learn::StepResult step = learn::BackRecord(m_state);
        if (step.record)
            Frame2()->showRecord(*step.record);
        if (step.notice)
            notify(*step.notice);
    });
}

void frmMain::cmdNextDesc_Click() {
    guarded("cmdNextDesc_Click", [&] {
        const learn::StepResult step = learn::NextRecord(m_state);
        if (step.record)
            Frame2()->showRecord(*step.record);
        if (step.notice)
            notify(*step.notice);
    });
}

void frmMain::cmdNextQuestion_Click() {
    guarded("cmdNextQuestion_Click", [&] {
        const int selected = Frame3()->selectedChoice();
        std::optional<std::string> answer;
        if (selected >= 0) {
            answer = Frame3()->optAnswer_Choice[std::size_t(selected)]->text().toStdString();
            Frame3()->selectChoice(0); // the next question opens with the first choice selected
        }
        if (test::AnswerQuestion(m_state, answer) == test::AfterAnswer::NextQuestion) {
            Frame3()->showQuestion(test::ShowQuestion(m_state, m_services.random));
            // Back to the choices: coming into them says the new question.
            raiseScreen(Frame3(), Frame3()->optAnswer_Choice[0]);
            return;
        }
        Frame4()->writeReport(test::ShowResult(m_state));
        raiseScreen(Frame4(), Frame4()->RTB);
    });
}

void frmMain::txtAnswer_Choice_Click(int index) {
    guarded("txtAnswer_Choice_Click", [&] {
        m_copyGuard->clearClipboard();
        Frame3()->selectChoice(index);
    });
}

void frmMain::mnuAbout_Click() {
    guarded("mnuAbout_Click", [&] {
        // Created when opened and gone when closed.
        frmAbout about(m_services, this);
        about.exec();
    });
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
