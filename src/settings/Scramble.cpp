// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Scramble.h"

#include "settings/Cp1252.h"

#include <vector>

namespace orbelle::settings {

namespace {

constexpr int ScrambleShift = 85;
constexpr int HighestCode = 255;

std::string shifted(std::string_view text, int shift) {
    std::vector<unsigned char> codes;
    for (const unsigned char code : Cp1252Codes(text)) {
        const int moved = code + shift;
        if (moved >= 0 && moved <= HighestCode)
            codes.push_back(static_cast<unsigned char>(moved));
    }
    return Cp1252Text(codes);
}

} // namespace

std::string ScrambleText(std::string_view text) {
    return shifted(text, ScrambleShift);
}

std::string UnscrambleText(std::string_view text) {
    return shifted(text, -ScrambleShift);
}

} // namespace orbelle::settings
