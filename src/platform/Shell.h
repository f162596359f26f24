// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace orbelle::platform {

// Hands an address to the desktop, which opens it in the default browser.
class Shell {
public:
    virtual ~Shell() = default;
    // Returns at once; whether a browser opened is neither awaited nor reported.
    virtual void open(const std::string& address) noexcept = 0;
};

} // namespace orbelle::platform
