// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace orbelle::platform {
class SingleInstance;
}

namespace orbelle::app {

struct Services;
class frmMain;

// The start-up sequence, in its order: the single-instance check, seeding the random
// source, the update reminder, the main window, the promotional banner. Returns the
// shown main window, or nothing when another copy runs (the user has then been told
// and services.endProgram has run).
std::unique_ptr<frmMain> RunStartup(Services& services, platform::SingleInstance& singleInstance);

inline constexpr const char* AlreadyRunningNotice = "Application is already running";

} // namespace orbelle::app
