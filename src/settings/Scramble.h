// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// How key names and values are written in the settings store. Plain C++, so that the
// fuzz targets and the stored date build without the window toolkit; modHelp offers
// these under its own name.
namespace orbelle::settings {

// Every character's Windows-1252 code raised by 85; characters whose code would pass
// 255 (codes of 171 and more) are left out. A character the code page lacks counts as
// "?". Texts are UTF-8.
std::string ScrambleText(std::string_view text);
// The reverse walk: codes lowered by 85, characters with codes below 85 left out.
std::string UnscrambleText(std::string_view text);

} // namespace orbelle::settings
