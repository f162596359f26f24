// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's services over the scripted fakes, as the app-level tests use them.

#include "app/Services.h"

#include "fakes/FakePlatform.h"

namespace orbelle::fakes {

struct FakeServices {
    FakeServices() = default;
    FakeServices(const FakeServices&) = delete; // services refers to the members
    FakeServices& operator=(const FakeServices&) = delete;

    FakeMessageBox messageBox;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeSettingsStore settings;
    FakeClock clock;
    ScriptedRandom random;
    int endRequests = 0; // how often the program asked to end
    app::Services services{messageBox, clipboard, shell, settings, clock, random, "Orbelle", [this] { ++endRequests; }};
};

} // namespace orbelle::fakes
