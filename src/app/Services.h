// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/RandomSource.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <functional>
#include <string>

namespace orbelle::app {

// The desktop as the windows and modHelp see it. The start-up sequence builds one
// from the real Qt seams; tests build one from the fakes.
struct Services {
    platform::MessageBox& messageBox;
    platform::Clipboard& clipboard;
    platform::Shell& shell;
    platform::SettingsStore& settings;
    platform::Clock& clock;
    platform::RandomSource& random;
    std::string applicationName = "Orbelle"; // the executable's base name: the settings' application
    // Closes every window and ends the process; tests put a recorder here. It does not
    // throw: the exit screen calls it as the last thing it does.
    std::function<void()> endProgram;
};

// Caption of every message box that has none of its own.
inline constexpr const char* ProgramTitle = "Orbelle";
// Caption of the main window and the About box.
inline constexpr const char* WindowTitle = "Orbelle v1.15";

} // namespace orbelle::app
