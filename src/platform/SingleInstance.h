// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbelle::platform {

// The rule that one user runs one copy of the program at a time.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True only when another running copy on this machine holds the claim. A copy that
    // gets the claim keeps it until it ends; one that cannot claim at all runs anyway.
    virtual bool anotherIsRunning() = 0;
};

} // namespace orbelle::platform
