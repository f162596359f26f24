// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WelcomeScreen.h"

#include "app/Announcer.h"
#include "app/Guarded.h"
#include "app/Look.h"
#include "app/TabChain.h"
#include "knowledge/Captions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace orbelle::app {

using namespace look;
using namespace modLearnAstrology;

namespace {

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

std::string trimmedText(const QComboBox* list) {
    return list->currentText().trimmed().toStdString();
}

QComboBox* makeList(QWidget* parent, const char* name, const QString& purpose) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false); // pick only, never type
    list->setFont(verdana(9));
    list->setAccessibleName(purpose);
    // On Linux a list's accessible name is its selected entry; screen readers take what
    // the list is for from a label. The screen shows no such label, so it stays hidden.
    auto* label = new QLabel(purpose, parent);
    label->setBuddy(list);
    label->hide();
    return list;
}

} // namespace

WelcomeScreen::WelcomeScreen(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Frame1"));
    buildWelcome();
    buildModes();
    buildLists();
    cmdNext = makeButton(this, QStringLiteral("cmdNext"), tr("Next"));
    place(cmdNext, 7055, 3410, 1000, 400);
    connectHandlers();
}

void WelcomeScreen::buildWelcome() {
    const char* welcome[3] = {
        "Welcome to the world of learning the significance of astrology, signs, stars, planets and houses!",
        ("This software aims to help you understand the importance of astrology better and learn the effects and "
         "attributes of the signs, planets and houses."),
        "Select one option below and click on the Next button to continue.",
    };
    const int tops[3] = {240, 720, 1200};
    const int heights[3] = {405, 405, 285};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromLatin1(welcome[i]), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(verdana(8.25, true));
        setTextColor(label, Gold);
        place(label, 120, tops[i], 7935, heights[i]);
        Label1[std::size_t(i)] = label;
    }
}

void WelcomeScreen::buildModes() {
    const char* modes[2] = {"Learn Option", "Test Criteria"};
    const int modeTops[2] = {1920, 3000};
    m_modes = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(modes[i]), this);
        option->setObjectName(QStringLiteral("optOption_%1").arg(i));
        option->setFont(verdana(9, true));
        setOptionButtonLook(option, White, DarkGreen);
        place(option, 360, modeTops[i], 1695, 300);
        optOption[std::size_t(i)] = option;
        m_modes->addButton(option, i);
    }
    optOption[0]->setChecked(true);
    // The welcome sentences are read out with the first control a person meets, once:
    // they go when the focus first moves on.
    QStringList sentences;
    for (const QLabel* label : Label1)
        sentences << label->text();
    optOption[0]->setAccessibleDescription(sentences.join(QLatin1Char(' ')));
    optOption[0]->installEventFilter(this);
}

void WelcomeScreen::buildLists() {
    cboLearnOptionMain = makeList(this, "cboLearnOptionMain", tr("Learn topic"));
    place(cboLearnOptionMain, 2280, 1920, 2535, 330);
    cboLearnOptionSub = makeList(this, "cboLearnOptionSub", tr("Learn attribute"));
    place(cboLearnOptionSub, 2280, 2400, 2535, 330);
    cboTestOptionMain = makeList(this, "cboTestOptionMain", tr("Test topic"));
    place(cboTestOptionMain, 2280, 3000, 2535, 330);
    cboTestOptionSub = makeList(this, "cboTestOptionSub", tr("Test attribute"));
    place(cboTestOptionSub, 2280, 3480, 2535, 330);

    // A closed list that changes its entry under the arrow keys tells Orca nothing it
    // speaks: the entry is described for when the focus comes, and said when it changes.
    m_announcer = new Announcer(this);
    for (QComboBox* list : {cboLearnOptionMain, cboLearnOptionSub, cboTestOptionMain, cboTestOptionSub}) {
        list->installEventFilter(this);
        connectGuarded(list, &QComboBox::currentTextChanged, this, "list entry", [this, list](const QString& entry) {
            list->setAccessibleDescription(entry);
            if (list->hasFocus())
                m_announcer->say(entry);
        });
    }
}

void WelcomeScreen::connectHandlers() {
    // A mode is chosen however its option comes to be selected: a click, the arrow keys,
    // an assistive tool's Toggle action or the program itself.
    connectGuarded(m_modes, &QButtonGroup::idToggled, this, &WelcomeScreen::optOption_Toggled, "optOption_Click");
    // A topic handler runs when the selected topic changes, by the user or the program;
    // picking the topic already selected keeps the attribute chosen.
    connectGuarded(cboLearnOptionMain, &QComboBox::currentIndexChanged, this, &WelcomeScreen::cboLearnOptionMain_Click,
                   "cboLearnOptionMain_Click");
    connectGuarded(cboTestOptionMain, &QComboBox::currentIndexChanged, this, &WelcomeScreen::cboTestOptionMain_Click,
                   "cboTestOptionMain_Click");
    connectGuarded(cmdNext, &QPushButton::clicked, this, &WelcomeScreen::reportNext, "reportNext");
}

void WelcomeScreen::load() {
    {
        // A list selects its first entry the moment it is appended; the topic handlers
        // run below, not halfway through the filling.
        const QSignalBlocker learnTopics(cboLearnOptionMain);
        const QSignalBlocker testTopics(cboTestOptionMain);
        fillList(cboLearnOptionMain, TopicCaptions(Mode::Learn));
        fillList(cboLearnOptionSub, AttributeCaptions(Topic::Signs));
        fillList(cboTestOptionMain, TopicCaptions(Mode::Test));
        fillList(cboTestOptionSub, AttributeCaptions(Topic::Signs));
    }
    // Entry 0 is selected already, so selecting it reports no change: the handler is
    // run here as the selection would have run it.
    cboLearnOptionMain->setCurrentIndex(0);
    cboLearnOptionMain_Click();
    cboLearnOptionSub->setCurrentIndex(0);
    cboTestOptionMain->setCurrentIndex(0);
    cboTestOptionMain_Click();
    cboTestOptionSub->setCurrentIndex(0);
    cboTestOptionMain->setEnabled(false);
    cboTestOptionSub->setEnabled(false);
}

void WelcomeScreen::focusEntry() {
    // Named when it comes, the option also says where the user is.
    QRadioButton* selected = optOption[0]->isChecked() ? optOption[0] : optOption[1];
    selected->setFocus(Qt::OtherFocusReason);
}

void WelcomeScreen::addTabStops(TabChain& chain) const {
    for (QWidget* control : std::initializer_list<QWidget*>{optOption[0], cboLearnOptionMain, cboLearnOptionSub,
                                                            optOption[1], cboTestOptionMain, cboTestOptionSub, cmdNext})
        chain.add(control);
}

void WelcomeScreen::optOption_Toggled(int index, bool checked) {
    if (checked)
        optOption_Click(index);
}

void WelcomeScreen::optOption_Click(int index) {
    const bool learn = index == 0;
    cboLearnOptionMain->setEnabled(learn);
    cboLearnOptionSub->setEnabled(learn);
    cboTestOptionMain->setEnabled(!learn);
    cboTestOptionSub->setEnabled(!learn);
}

void WelcomeScreen::cboLearnOptionMain_Click() {
    refillAttributes(cboLearnOptionMain, cboLearnOptionSub);
}

void WelcomeScreen::cboTestOptionMain_Click() {
    refillAttributes(cboTestOptionMain, cboTestOptionSub);
}

void WelcomeScreen::reportNext() {
    // The mode is decided by the first option alone.
    const bool learn = optOption[0]->isChecked();
    const QComboBox* topics = learn ? cboLearnOptionMain : cboTestOptionMain;
    const QComboBox* attributes = learn ? cboLearnOptionSub : cboTestOptionSub;
    emit nextClicked({learn ? Mode::Learn : Mode::Test, topics->currentIndex(), attributes->currentIndex(),
                      trimmedText(topics), trimmedText(attributes)});
}

bool WelcomeScreen::eventFilter(QObject* watched, QEvent* event) {
    guarded("welcome screen focus", [&] {
        if (event->type() == QEvent::FocusIn) {
            // The lists are filled with their signals blocked; the entry is read here instead.
            if (auto* list = qobject_cast<QComboBox*>(watched))
                list->setAccessibleDescription(list->currentText());
        }
        if (watched == optOption[0] && event->type() == QEvent::FocusOut) {
            // Leaving the window and coming back is not moving on.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                optOption[0]->setAccessibleDescription(QString());
                optOption[0]->removeEventFilter(this);
            }
        }
    });
    return QWidget::eventFilter(watched, event);
}

} // namespace orbelle::app
