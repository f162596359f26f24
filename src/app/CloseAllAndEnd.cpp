// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CloseAllAndEnd.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace orbelle::modHelp {

namespace {

// The windows still to be closed. A window's close handler may itself call
// CloseAllAndEnd (the exit screen does); that inner call carries on down the same
// list instead of starting over, so every window is closed once and in order.
QList<QPointer<QWidget>> g_windows;
qsizetype g_nextWindow = 0;
bool g_listTaken = false;

void closeRemainingWindows() noexcept {
    try {
        if (!g_listTaken) {
            g_listTaken = true;
            if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
                const QWidgetList windows = QApplication::topLevelWidgets();
                for (QWidget* window : windows)
                    g_windows.append(QPointer<QWidget>(window));
            }
        }
        while (g_nextWindow < g_windows.size()) {
            // Closing one window may delete another; QPointer notices.
            const QPointer<QWidget> window = g_windows.at(g_nextWindow++);
            if (window)
                window->close();
        }
    } catch (...) {
        // A window that fails to close must not keep the process alive.
    }
}

} // namespace

void CloseAllAndEnd() noexcept {
    closeRemainingWindows();
    // QCoreApplication::exit() would only end the event loop once control got back to
    // it, and the caller's remaining steps would run first. std::exit() would run the
    // static destructors of Qt while the QApplication in main() is still alive, an
    // order Qt does not support. Nothing needs them: the settings store writes through
    // on every change, the windows are closed, and a single-instance lock left behind
    // is taken over by the next start because its holder is gone. Only buffered
    // output would be lost, so it is flushed by hand.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace orbelle::modHelp
