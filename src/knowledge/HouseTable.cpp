// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"
#include "knowledge/Tables.h"

#include <string_view>

namespace orbelle::modLearnAstrology {

namespace {

struct HouseRow {
    std::string_view sign, number, name, planetRuler, keywords, mantra, type;
};

constexpr std::string_view kAngular = "Angular House (Action)";
constexpr std::string_view kSuccedent = "Succedent House (Fixed)";
constexpr std::string_view kCadent = "Cadent House (Adaptable)";

constexpr HouseRow kHouses[HouseTableColumns::Records] = {
    {"Aries", "1st House", "The House of Identity", "Mars", "Outer-Self, Superficial Traits, Physical Appearance",
     "To Be", kAngular},
    {"Taurus", "2nd House", "The House of Finances", "Venus", "Money, Self - Worth, Vitality", "To Have", kSuccedent},
    {"Gemini", "3rd House", "The House of Communication", "Mercury", "Education, Communication, Relationships",
     "To Communicate", kCadent},
    {"Cancer", "4th House", "The House of Family", "Moon", "Home, Family, Caring", "To Belong", kAngular},
    {"Leo", "5th House", "The House of Pleasures", "Sun", "Creativity, Romance, Hobbies", "To Create", kSuccedent},
    {"Virgo", "6th House", "The House of Health", "Mercury", "Health, Service, Work", "To Serve", kCadent},
    {"Libra", "7th House", "The House of Partnerships", "Venus", "Agreements, Partnerships, Marriage", "To Relate",
     kAngular},
    {"Scorpio", "8th House", "The House of Spirituality", "Mars, Pluto", "Sex, Possessions, Death", "To Transform",
     kSuccedent},
    {"Sagittarius", "9th House", "The House of Travel", "Jupiter", "Travel, Philosophy, Higher Mind", "To Explore",
     kCadent},
    {"Capricorn", "10th House", "The House of Career", "Saturn", "Ambition, Career, Public Image", "To Achieve",
     kAngular},
    {"Aquarius", "11th House", "The House of Hopes", "Uranus, Saturn", "Friends, Hopes, Goals", "To Innovate",
     kSuccedent},
    {"Pisces", "12th House", "The House of Shortcomings", "Neptune, Jupiter", "Compassion, Intuition, Mental Health",
     "To Reintegrate", kCadent},
};

HouseTableColumns g_houseTable;

} // namespace

const HouseTableColumns& HouseTable() noexcept {
    return g_houseTable;
}

void FillHouseTable() {
    HouseTableColumns& t = g_houseTable;
    for (int i = 0; i < HouseTableColumns::Records; ++i) {
        const HouseRow& row = kHouses[i];
        const auto at = [i](Column& column) -> std::string& { return column[static_cast<std::size_t>(i)]; };
        // The sign ruling a house is the sign paired with it; both columns keep their own copy.
        at(t.HouseSign) = row.sign;
        at(t.HouseNumber) = row.number;
        at(t.HouseName) = row.name;
        at(t.HousePlanetRuler) = row.planetRuler;
        at(t.HouseSignRuler) = row.sign;
        at(t.HouseAttributes) = prose::HouseAttributes[static_cast<std::size_t>(i)];
        at(t.Keywords) = row.keywords;
        at(t.Mantra) = row.mantra;
        at(t.HouseType) = row.type;
    }
}

} // namespace orbelle::modLearnAstrology
