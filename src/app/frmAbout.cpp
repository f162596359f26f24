// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmAbout.h"

#include "app/LinkLabel.h"
#include "app/Look.h"
#include "app/Services.h"
#include "app/modHelp.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace orbelle::app {

using namespace look;

namespace {

const char* const kDescription =
    "Orbelle teaches the basics of Western astrology: the twelve signs, the ten planets and the twelve houses with "
    "their glyphs and attributes, and tests what you have learned with multiple-choice questions. All rights reserved.";
const char* const kBusinessText = "Home Business Opportunity. Start your own Internet business and make money online. "
                                  "Get this software fully branded for your website.";

} // namespace

frmAbout::frmAbout(Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromLatin1(WindowTitle));
    setModal(true);
    setFont(verdana(8.25));
    setBackground(this, White);
    setFixedSize(px(7065), px(3165));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QIcon(QStringLiteral(":/icons/orbelle-32.png")).pixmap(QSize(32, 32), devicePixelRatioF()));
    Picture1->setAccessibleName(tr("Orbelle icon"));
    place(Picture1, 120, 150, 480, 480);

    Label2 = makeLabel(this, QStringLiteral("Label2"), QString::fromLatin1(WindowTitle), verdana(14.25, true), Green);
    place(Label2, 810, 285, 4155, 345);

    Label1 = makeLabel(this, QStringLiteral("Label1"), QString::fromLatin1(kDescription), verdana(8.25), Black);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label1, 120, 720, 6915, 915);

    lblHomePage = makeLink(this, QStringLiteral("lblHomePage"),
                           tr("Click here to visit ") + QString::fromStdString(std::string(modHelp::WebHost)),
                           verdana(8.25), Maroon);
    place(lblHomePage, 2865, 1575, 4050, 195);

    Label3 = makeLabel(this, QStringLiteral("Label3"), QString::fromLatin1(kBusinessText), verdana(8.25, true), Purple);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label3, 120, 1890, 6795, 435);

    lblCobrand = makeLink(this, QStringLiteral("lblCobrand"), tr("Click here for more details"), verdana(8.25), Maroon);
    place(lblCobrand, 4620, 2325, 2295, 195);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(px(-60), px(2670), px(7680) - px(-60), 1);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    place(cmdOK, 5655, 2760, 1260, 345);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblHomePage, &LinkLabel::activated, this, modHelp::PageOpener(services, modHelp::HomePage));
    connect(lblCobrand, &LinkLabel::activated, this, modHelp::PageOpener(services, modHelp::FullyBrandedPage));

    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCobrand);
    cmdOK->setFocus();

    centreOn(this, parent ? parent->screen() : screen());
}

} // namespace orbelle::app
