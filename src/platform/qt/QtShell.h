// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Shell.h"

namespace orbelle::platform {

class QtShell final : public Shell {
public:
    void open(const std::string& address) noexcept override;
};

} // namespace orbelle::platform
