// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QtGlobal>

#include <exception>
#include <utility>

// Where Qt's event loop enters Orbelle's code, it enters through one of these, once:
// no exception reaches the event loop, a step that fails is skipped and the window
// stays usable. What an entry calls carries no guard of its own (docs/ARCHITECTURE.md).
namespace orbelle::app {

// Runs an entry's work, logging and dropping whatever it throws.
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

// The same for a lambda, which lives as long as context.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender* sender, Signal signal, QObject* context, const char* name,
                                       Handler handler) {
    return QObject::connect(sender, signal, context, [handler = std::move(handler), name](const auto&... args) {
        guarded(name, [&] { handler(args...); });
    });
}

// An event filter's own work, run through guarded(): whether it takes the event, or
// false (the event goes on) when the work fails.
template <typename Filter> bool guardedFilter(const char* what, Filter&& filter) noexcept {
    bool taken = false;
    guarded(what, [&] { taken = filter(); });
    return taken;
}

} // namespace orbelle::app
