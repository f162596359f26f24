// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ExitScreen.h"

#include "app/Accessibility.h"
#include "app/Guarded.h"
#include "app/LinkLabel.h"
#include "app/Look.h"
#include "app/Services.h"
#include "app/modHelp.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbelle::app {

using namespace look;

ExitScreen::ExitScreen(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_services(services) {
    // Announced as a dialog, a screen reader reads its text out when it appears.
    setAccessibleRole(this, QAccessible::Dialog);
    setObjectName(QStringLiteral("frmExit"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(ProgramTitle));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(verdana(8.25));
    setBackground(this, Green);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(10);

    auto* thanks = new QLabel(tr("Thank you for learning with Orbelle."), this);
    thanks->setFont(verdana(9, true));
    setTextColor(thanks, Gold);
    layout->addWidget(thanks);

    auto* more = new QLabel(tr("We also make small, friendly programs for learning, for the home and for the office. "
                               "Our forum is open to every user: ask questions, share what you know and tell a friend "
                               "about us."),
                            this);
    more->setWordWrap(true);
    setTextColor(more, White);
    layout->addWidget(more);

    lblHomePage =
        makeLink(this, QStringLiteral("lblHomePage"), tr("Visit our web site"), verdana(8.25, true), PaleYellow);
    layout->addWidget(lblHomePage, 0, Qt::AlignLeft);

    cmdExit = makeButton(this, QStringLiteral("cmdExit"), tr("E&xit"));
    cmdExit->setDefault(true);
    layout->addWidget(cmdExit, 0, Qt::AlignRight);

    connect(lblHomePage, &LinkLabel::activated, this, modHelp::PageOpener(m_services, modHelp::HomePage));
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    cmdExit->setFocus(); // Enter or Space ends the program at once

    setFixedWidth(px(5400));
    adjustSize();
    setFixedSize(size());
    centreOn(this, screen());
}

void ExitScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    // Ending gives up the lock and closes every window: an entry from the event loop.
    guarded("ExitScreen close", [this] {
        if (m_services.endProgram)
            m_services.endProgram();
    });
}

} // namespace orbelle::app
