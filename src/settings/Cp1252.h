// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// Windows-1252, the single-byte code page whose codes the settings scrambling works
// on. Texts everywhere else in the program are UTF-8.
namespace orbelle::settings {

// The code that stands for a character that has none, as a system conversion gives it.
inline constexpr unsigned char Cp1252Unknown = 63; // "?"

// The character of a code. The five codes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) give U+0081 and so on, as the system conversion does, so that
// every code from 0 to 255 comes back from Cp1252Code.
char32_t Cp1252Character(unsigned char code) noexcept;

// The code of a character, or Cp1252Unknown when the code page has no such character.
unsigned char Cp1252Code(char32_t character) noexcept;

// The code of every character of a UTF-8 text, in order. A malformed sequence counts
// as one unknown character per maximal ill-formed subpart (the Unicode convention), so
// a stray byte never swallows the valid characters after it.
std::vector<unsigned char> Cp1252Codes(std::string_view utf8);

// The UTF-8 text of a row of codes.
std::string Cp1252Text(const std::vector<unsigned char>& codes);

} // namespace orbelle::settings
