// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>

namespace orbelle::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Today's calendar date on this computer.
    virtual std::chrono::year_month_day today() = 0;
    // A value taken from the time of day, to seed the random source with.
    virtual std::uint32_t seedValue() = 0;
};

} // namespace orbelle::platform
