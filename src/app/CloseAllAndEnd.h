// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbelle::modHelp {

// Closes every top-level window, one after the other in the order the application
// lists them, then ends the process at once with exit status 0. Nothing that would
// have followed the call runs.
[[noreturn]] void CloseAllAndEnd() noexcept;

} // namespace orbelle::modHelp
