// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Captions.h"

namespace orbelle::modLearnAstrology {

namespace {

constexpr std::array<std::string_view, 16> kSignAttributes = {
    "Glyphs (Image)",  "Dates",   "Sign Numbers",  "Opposite Signs", "Keywords",    "Positive Traits",
    "Negative Traits", "Element", "Ruling Planet", "Lucky Number",   "Lucky Color", "Lucky Day",
    "Birthstone",      "Quality", "Anatomy",       "Flower Essence",
};

constexpr std::array<std::string_view, 8> kPlanetAttributes = {
    "Glyphs (Image)",
    "Ruler for Sign",
    "Keywords",
    "Positive Traits",
    "Negative Traits",
    "Anatomy",
    "Time to complete one Cycle",
    "Ruler for House",
};

constexpr std::array<std::string_view, 7> kHouseAttributes = {
    "House Name", "House Planet Ruler", "House Sign Ruler", "Attributes", "Keywords", "Mantra", "House Type",
};

} // namespace

std::span<const std::string_view> AttributeCaptions(Topic topic) noexcept {
    switch (topic) {
    case Topic::Signs:
        return kSignAttributes;
    case Topic::Planets:
        return kPlanetAttributes;
    case Topic::Houses:
        break;
    }
    return kHouseAttributes;
}

std::array<std::string_view, 3> TopicCaptions(Mode mode) noexcept {
    if (mode == Mode::Learn)
        return {"Learn By Signs", "Learn By Planets", "Learn By Houses"};
    return {"Test By Signs", "Test By Planets", "Test By Houses"};
}

} // namespace orbelle::modLearnAstrology
