// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QtGlobal>

#include <exception>

namespace orbelle::app {

// Runs an event handler so that no exception reaches Qt's event loop: a step that
// fails is skipped and the window stays usable.
template <typename Handler> void guarded(const char* what, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& error) {
        qWarning("%s failed: %s", what, error.what());
    } catch (...) {
        qWarning("%s failed", what);
    }
}

// Connects a signal to a member handler of receiver, run through guarded() under the
// handler's name: the handler's body then only does its own work.
template <typename Sender, typename Signal, typename Receiver, typename... Args>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, Receiver* receiver,
                                       void (Receiver::*handler)(Args...), const char* name) {
    return QObject::connect(sender, signal, receiver, [receiver, handler, name](Args... args) {
        guarded(name, [&] { (receiver->*handler)(args...); });
    });
}

} // namespace orbelle::app
