// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Cp1252.h"

#include <array>
#include <cstdint>

namespace orbelle::settings {

namespace {

// 0x80 to 0x9F, the only stretch where Windows-1252 differs from Latin-1.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr bool isContinuation(unsigned char byte) noexcept {
    return (byte & 0xC0U) == 0x80U;
}

void appendUtf8(std::string& out, char32_t character) {
    const auto c = static_cast<std::uint32_t>(character);
    if (c < 0x80U) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800U) {
        out.push_back(static_cast<char>(0xC0U | (c >> 6U)));
        out.push_back(static_cast<char>(0x80U | (c & 0x3FU)));
    } else {
        // Every character of the code page lies in the Basic Multilingual Plane.
        out.push_back(static_cast<char>(0xE0U | (c >> 12U)));
        out.push_back(static_cast<char>(0x80U | ((c >> 6U) & 0x3FU)));
        out.push_back(static_cast<char>(0x80U | (c & 0x3FU)));
    }
}

// The well-formed sequences of UTF-8 by their lead byte (the Unicode Standard, Table
// 3-7): the length, the lead's payload bits and the allowed range of the second byte,
// which rules out overlong forms, surrogates and values beyond U+10FFFF before any
// further byte is looked at.
struct LeadByte {
    unsigned char first, last;
    std::size_t length;
    unsigned char payload, low, high;
};

constexpr LeadByte kLeadBytes[] = {
    {0xC2, 0xDF, 2, 0x1F, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0x0F, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x0F, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x0F, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x0F, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x07, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x07, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x07, 0x80, 0x8F},
};

const LeadByte* leadByteRule(unsigned char lead) {
    for (const LeadByte& rule : kLeadBytes) {
        if (lead >= rule.first && lead <= rule.last)
            return &rule;
    }
    return nullptr;
}

} // namespace

char32_t Cp1252Character(unsigned char code) noexcept {
    if (code >= 0x80 && code <= 0x9F)
        return HighControls[code - 0x80U];
    return code;
}

unsigned char Cp1252Code(char32_t character) noexcept {
    const auto c = static_cast<std::uint32_t>(character);
    if (c < 0x80U || (c >= 0xA0U && c <= 0xFFU))
        return static_cast<unsigned char>(c);
    for (unsigned index = 0; index < HighControls.size(); ++index) {
        if (HighControls[index] == character)
            return static_cast<unsigned char>(0x80U + index);
    }
    return Cp1252Unknown;
}

std::vector<unsigned char> Cp1252Codes(std::string_view utf8) {
    std::vector<unsigned char> codes;
    codes.reserve(utf8.size());
    const std::size_t size = utf8.size();
    std::size_t at = 0;
    while (at < size) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (lead < 0x80U) {
            codes.push_back(lead);
            ++at;
            continue;
        }
        const LeadByte* rule = leadByteRule(lead);
        if (!rule) {
            codes.push_back(Cp1252Unknown);
            ++at;
            continue;
        }
        const std::size_t length = rule->length;
        std::uint32_t value = lead & rule->payload;
        const unsigned char low = rule->low;
        const unsigned char high = rule->high;
        std::size_t taken = 1;
        bool complete = true;
        while (taken < length) {
            if (at + taken >= size) {
                complete = false;
                break;
            }
            const auto next = static_cast<unsigned char>(utf8[at + taken]);
            const bool fits = taken == 1 ? (next >= low && next <= high) : isContinuation(next);
            if (!fits) {
                complete = false;
                break;
            }
            value = (value << 6U) | (next & 0x3FU);
            ++taken;
        }
        codes.push_back(complete ? Cp1252Code(static_cast<char32_t>(value)) : Cp1252Unknown);
        at += taken;
    }
    return codes;
}

std::string Cp1252Text(const std::vector<unsigned char>& codes) {
    std::string text;
    text.reserve(codes.size());
    for (const unsigned char code : codes)
        appendUtf8(text, Cp1252Character(code));
    return text;
}

} // namespace orbelle::settings
