// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Clipboard.h"

namespace orbelle::platform {

class QtClipboard final : public Clipboard {
public:
    void clear() noexcept override;
};

} // namespace orbelle::platform
