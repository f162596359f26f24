// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbelle::platform {

// The system clipboard, as far as the program touches it: it only ever empties it,
// so that texts on screen cannot be copied out.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Never throws and never blocks; an unavailable clipboard is left alone.
    virtual void clear() noexcept = 0;
};

} // namespace orbelle::platform
