// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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

} // namespace orbelle::app
