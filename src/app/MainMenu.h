// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace orbelle::app {

// The main window's menu bar. No item has a shortcut key, a check mark or a state
// that changes while the program runs.
struct MainMenu {
    QMenu* nuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuFileSep1 = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuFileSep2 = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;    // a command on the bar itself
    QAction* mnuMakeMoney = nullptr; // shown, but switched off

    static MainMenu build(QMenuBar* bar);
};

} // namespace orbelle::app
