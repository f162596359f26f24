// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qt/GuiApplication.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace orbelle::platform {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Set only while the application object is being made. A platform plugin may report
// from a thread of its own, hence the mutex.
std::mutex g_guard;
std::vector<HeldMessage>* g_held = nullptr;
QtMessageHandler g_passOn = nullptr;
const char* g_noDisplay = nullptr;

// Qt's only fatal report while the application object is made is that no platform plugin
// could open a display; its warnings on the way there would only bury the one line.
void holdUntilStarted(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    std::unique_lock lock(g_guard);
    if (!g_held) {
        lock.unlock();
        g_passOn(type, context, text);
        return;
    }
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", g_noDisplay);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    g_held->push_back({type, context.category ? QByteArray(context.category) : QByteArray(), text});
}

} // namespace

std::unique_ptr<QApplication> startGuiOrExit(int& argc, char** argv, const char* message) {
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(g_guard);
        g_held = &messages;
        g_noDisplay = message;
        g_passOn = qInstallMessageHandler(holdUntilStarted);
    }
    auto application = std::make_unique<QApplication>(argc, argv);
    {
        const std::lock_guard lock(g_guard);
        qInstallMessageHandler(g_passOn);
        g_held = nullptr;
    }
    for (const HeldMessage& kept : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         kept.category.isEmpty() ? nullptr : kept.category.constData());
        g_passOn(kept.type, context, kept.text);
    }
    return application;
}

} // namespace orbelle::platform
