// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clock.h"

namespace orbelle::platform {

class QtClock final : public Clock {
public:
    std::chrono::year_month_day today() override;
    std::uint32_t seedValue() override;
};

} // namespace orbelle::platform
