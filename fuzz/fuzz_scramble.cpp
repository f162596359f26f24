// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings scrambling on any bytes: it never fails, it keeps to its alphabet, and
// every text that it can store comes back unchanged.

#include "settings/Cp1252.h"
#include "settings/Scramble.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

using orbelle::settings::Cp1252Codes;
using orbelle::settings::Cp1252Text;
using orbelle::settings::ScrambleText;
using orbelle::settings::UnscrambleText;

namespace {

// The highest code that scrambling keeps: raised by 85 it is still 255.
constexpr unsigned char HighestStorable = 170;
constexpr int Shift = 85;

[[noreturn]] void fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "fuzz_scramble: %s (input of %zu bytes)\n", what, input.size());
    std::abort();
}

// The codes of a text as the two directions see them: the ones that survive a shift.
std::vector<unsigned char> kept(const std::vector<unsigned char>& codes, int shift) {
    std::vector<unsigned char> result;
    for (const unsigned char code : codes) {
        const int moved = code + shift;
        if (moved >= 0 && moved <= 255)
            result.push_back(static_cast<unsigned char>(moved));
    }
    return result;
}

void checkAnyText(std::string_view text) {
    const std::vector<unsigned char> codes = Cp1252Codes(text);

    const std::string scrambled = ScrambleText(text);
    // The output is well-formed UTF-8 of exactly the shifted codes, none dropped that
    // fits and none made up: reading it back gives the same codes.
    if (Cp1252Codes(scrambled) != kept(codes, Shift))
        fail("ScrambleText gave other codes than the shifted input", text);
    if (Cp1252Text(Cp1252Codes(scrambled)) != scrambled)
        fail("ScrambleText gave text that is not plain code-page UTF-8", text);

    const std::string unscrambled = UnscrambleText(text);
    if (Cp1252Codes(unscrambled) != kept(codes, -Shift))
        fail("UnscrambleText gave other codes than the shifted input", text);
    if (Cp1252Text(Cp1252Codes(unscrambled)) != unscrambled)
        fail("UnscrambleText gave text that is not plain code-page UTF-8", text);

    // Whatever the input, the round trip keeps exactly its storable characters.
    std::vector<unsigned char> storable;
    for (const unsigned char code : codes) {
        if (code <= HighestStorable)
            storable.push_back(code);
    }
    if (UnscrambleText(scrambled) != Cp1252Text(storable))
        fail("the round trip lost or changed a storable character", text);
}

// A text made only of storable characters, every code from 0 to 170 reachable, the
// five codes that Windows-1252 leaves undefined among them.
void checkStorableText(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> codes;
    codes.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        codes.push_back(static_cast<unsigned char>(data[i] % (HighestStorable + 1)));
    const std::string text = Cp1252Text(codes);
    if (UnscrambleText(ScrambleText(text)) != text)
        fail("a storable text did not survive the round trip", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkAnyText(std::string_view(reinterpret_cast<const char*>(data), size));
    checkStorableText(data, size);
    return 0;
}
