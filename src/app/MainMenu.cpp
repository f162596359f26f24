// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainMenu.h"

#include "app/Guarded.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace orbelle::app {

namespace {

QAction* named(QAction* action, const char* name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

QString tr(const char* text) {
    return QCoreApplication::translate("MainMenu", text);
}

// A command on the bar itself (Donate) runs at once, its access key pressed, and Qt
// leaves a screen reader on the bar's item although the keyboard focus never left the
// window: the control that has it is announced again once the bar has let go.
void refocusAfterBarCommands(QMenuBar* bar) {
    QObject::connect(bar, &QMenuBar::triggered, bar, [bar](QAction* action) {
        if (action->menu() || !bar->actions().contains(action))
            return;
        QTimer::singleShot(0, bar, [] {
            guarded("refocusAfterBarCommand", [] {
                if (QWidget* focused = QApplication::focusWidget()) {
                    QAccessibleEvent focus(focused, QAccessible::Focus);
                    QAccessible::updateAccessibility(&focus);
                }
            });
        });
    });
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
    refocusAfterBarCommands(bar);
    return menu;
}

} // namespace orbelle::app
