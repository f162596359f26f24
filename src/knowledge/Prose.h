// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

// The prose paragraphs of the three tables, kept apart from the short values so
// that the tables stay readable. Every paragraph is one line of plain sentences.
namespace orbelle::modLearnAstrology::prose {

// Record order of the sign table (Aries first). Leo's entry (index 4) holds only
// the main part of its paragraph; the table joins it with LeoPositiveTraitsTail.
extern const std::array<std::string_view, 12> SignPositiveTraits;
extern const std::string_view LeoPositiveTraitsTail;
extern const std::array<std::string_view, 12> SignNegativeTraits;

// Record order of the planet table: Sun, Moon, Jupiter, Mercury, Venus, Mars,
// Saturn, Uranus, Neptune, Pluto.
extern const std::array<std::string_view, 10> PlanetPositiveTraits;
extern const std::array<std::string_view, 10> PlanetNegativeTraits;

// Record order of the house table (1st House first).
extern const std::array<std::string_view, 12> HouseAttributes;

} // namespace orbelle::modLearnAstrology::prose
