// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainMenu.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace orbelle::app {

namespace {

QAction* named(QAction* action, const char* name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

QString tr(const char* text) {
    return QCoreApplication::translate("MainMenu", text);
}

} // namespace

MainMenu MainMenu::build(QMenuBar* bar) {
    MainMenu menu;
    menu.nuFile = bar->addMenu(tr("&File"));
    menu.nuFile->setObjectName(QStringLiteral("nuFile"));
    menu.mnuExit = named(menu.nuFile->addAction(tr("E&xit")), "mnuExit");

    menu.mnuHelp = bar->addMenu(tr("&Help"));
    menu.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    menu.mnuOnline = named(menu.mnuHelp->addAction(tr("&Online Help")), "mnuOnline");
    menu.mnuVisit = named(menu.mnuHelp->addAction(tr("&Visit Us Online")), "mnuVisit");
    menu.mnuFileSep1 = named(menu.mnuHelp->addSeparator(), "mnuFileSep1");
    menu.mnuUpdate = named(menu.mnuHelp->addAction(tr("&Check for Software Update")), "mnuUpdate");
    menu.mnuFileSep2 = named(menu.mnuHelp->addSeparator(), "mnuFileSep2");
    menu.mnuAbout = named(menu.mnuHelp->addAction(tr("&About Software")), "mnuAbout");

    menu.mnuDonate = named(bar->addAction(tr("&Donate")), "mnuDonate");
    menu.mnuMakeMoney = named(bar->addAction(tr("Make Money &Online")), "mnuMakeMoney");
    menu.mnuMakeMoney->setEnabled(false);
    return menu;
}

} // namespace orbelle::app
