// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"
#include "knowledge/Tables.h"

#include <string_view>

namespace orbelle::modLearnAstrology {

namespace {

struct PlanetRow {
    std::string_view name, rulerForSign, keywords, anatomy, cycleTime;
    // A planet rules one house, or two shown on two lines.
    std::string_view firstHouse, secondHouse;
};

constexpr PlanetRow kPlanets[PlanetTableColumns::Records] = {
    {"Sun",
     "Leo",
     "Identity, Vitality, Goals",
     "Heart, Back, Arteries, Eyes",
     "None",
     "5th House - The House of Pleasures",
     {}},
    {"Moon",
     "Cancer",
     "Emotions, Intuition, Home",
     "Brain, Stomach, Bowels, Bladder, Left Eye",
     "27 days",
     "4th House - The House of Family",
     {}},
    {"Jupiter", "Sagittarius", "Expansion, Good Luck, Ideals", "Liver, Lungs, Veins, Blood Circulation", "12 years",
     "9th House - The House of Travel", "12th House - The House of Shortcomings"},
    {"Mercury", "Gemini, Virgo", "Communication, Intelligence, Reasoning",
     "Memory, Speech, Nostrils, Hands, Feet, Nervous System", "88 days", "3rd House - The House of Communication",
     "6th House - The House of Health"},
    {"Venus", "Taurus, Libra", "Love, Harmony, Pleasure", "Skin, Thyroid Gland, Ovaries, Kidneys, Veins, Throat",
     "225 days", "2nd House - The House of Finances", "7th House - The House of Partnerships"},
    {"Mars", "Aries", "Physical Energy, Competition, Will-Power",
     "Head, Face, Stomach, Kidneys, Knees, Gall Bladder, Reproductive Organs, Groin, Throat", "687 days",
     "1st House - The House of Identity", "8th House - The House of Spirituality"},
    {"Saturn", "Capricorn", "Restriction, Obstacles, Stability", "Constipation, Hearing, Teeth, Spleen, Bones",
     "29 yrs", "10th House - The House of Career", "11th House - The House of Hopes"},
    {"Uranus",
     "Aquarius",
     "Shock, Change, Independence",
     "Gall Bladder, Mind, Sexual Organs, Ankles",
     "84 yrs",
     "11th House - The House of Hopes",
     {}},
    {"Neptune",
     "Pisces",
     "Imagination, Spirituality, Confusion",
     "Memory, Parathyroid Glands, Feet",
     "165 yrs",
     "12th House - The House of Shortcomings",
     {}},
    {"Pluto",
     "Scorpio",
     "Elimination, Transformation, Change",
     "Skin, Prostrate, Nails, Hormones",
     "248 years",
     "8th House - The House of Spirituality",
     {}},
};

PlanetTableColumns g_planetTable;

} // namespace

const PlanetTableColumns& PlanetTable() noexcept {
    return g_planetTable;
}

void FillPlanetTable() {
    PlanetTableColumns& t = g_planetTable;
    for (int i = 0; i < PlanetTableColumns::Records; ++i) {
        const PlanetRow& row = kPlanets[i];
        const auto at = [i](Column& column) -> std::string& { return column[static_cast<std::size_t>(i)]; };
        at(t.PlanetName) = row.name;
        at(t.RulerForSign) = row.rulerForSign;
        at(t.Keywords) = row.keywords;
        at(t.PositiveTraits) = prose::PlanetPositiveTraits[static_cast<std::size_t>(i)];
        at(t.NegativeTraits) = prose::PlanetNegativeTraits[static_cast<std::size_t>(i)];
        at(t.Anatomy) = row.anatomy;
        at(t.CycleTime) = row.cycleTime;
        std::string& houses = at(t.RulerForHouse);
        houses = row.firstHouse;
        if (!row.secondHouse.empty()) {
            houses += "\r\n";
            houses += row.secondHouse;
        }
    }
}

} // namespace orbelle::modLearnAstrology
