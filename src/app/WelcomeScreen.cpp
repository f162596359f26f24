// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WelcomeScreen.h"

#include "app/Look.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace orbelle::app {

using namespace look;

namespace {

QComboBox* makeList(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false); // pick only, never type
    list->setFont(verdana(9));
    list->setAccessibleName(accessibleName);
    return list;
}

} // namespace

WelcomeScreen::WelcomeScreen(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Frame1"));

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

    const char* modes[2] = {"Learn Option", "Test Criteria"};
    const int modeTops[2] = {1920, 3000};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(modes[i]), this);
        option->setObjectName(QStringLiteral("optOption_%1").arg(i));
        option->setFont(verdana(9, true));
        setOptionButtonLook(option, White, DarkGreen);
        place(option, 360, modeTops[i], 1695, 300);
        optOption[std::size_t(i)] = option;
    }
    optOption[0]->setChecked(true);

    cboLearnOptionMain = makeList(this, "cboLearnOptionMain", tr("Learn topic"));
    place(cboLearnOptionMain, 2280, 1920, 2535, 330);
    cboLearnOptionSub = makeList(this, "cboLearnOptionSub", tr("Learn attribute"));
    place(cboLearnOptionSub, 2280, 2400, 2535, 330);
    cboTestOptionMain = makeList(this, "cboTestOptionMain", tr("Test topic"));
    place(cboTestOptionMain, 2280, 3000, 2535, 330);
    cboTestOptionSub = makeList(this, "cboTestOptionSub", tr("Test attribute"));
    place(cboTestOptionSub, 2280, 3480, 2535, 330);

    cmdNext = makeButton(this, QStringLiteral("cmdNext"), tr("Next"));
    place(cmdNext, 7055, 3410, 1000, 400);
}

} // namespace orbelle::app
