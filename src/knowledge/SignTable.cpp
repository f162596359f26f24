// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Prose.h"
#include "knowledge/Tables.h"

#include <string_view>

namespace orbelle::modLearnAstrology {

namespace {

struct SignRow {
    std::string_view name, dates, number, opposite, keywords, element, rulingPlanet, luckyNumber, luckyColor, luckyDay,
        birthstone, quality, anatomy, flowerEssence;
};

// Lucky numbers with two digits keep a doubled ampersand: labels show it as one "&".
constexpr SignRow kSigns[SignTableColumns::Records] = {
    {"Aries", "March 21 - April 19", "First", "Libra", "Pioneer, Assertive, Energetic", "Fire", "Mars", "9", "Red",
     "Tuesday", "Diamond", "Cardinal", "Head And Face", "Tiger Lily"},
    {"Taurus", "April 20 - May 20", "Second", "Scorpio", "Determined, Stable, Sensual", "Earth", "Venus", "6", "Green",
     "Friday", "Emerald", "Fixed", "Throat", "Oak And Sundew"},
    {"Gemini", "May 22 - June 21", "Third", "Sagittarius", "Curious, Intelligent, Congenial", "Air", "Mercury", "5",
     "Yellow", "Wednesday", "Agate", "Mutable", "Arms And Shoulders", "Jojoba"},
    {"Cancer", "June 22 - July 22", "Fourth", "Capricorn", "Protective, Cautious, Intuitive", "Water", "The Moon", "2",
     "Silver", "Monday", "Pearl", "Cardinal", "Stomach", "Honeysuckle"},
    {"Leo", "July 23 - August 22", "Fifth", "Aquarius", "Generous, Enthusiastic, Social", "Fire", "The Sun", "8 && 9",
     "Gold", "Sunday", "Ruby", "Fixed", "Heart", "Sunflower, Buttercup"},
    {"Virgo", "August 23 - September 22", "Sixth", "Pisces", "Modest, Critical, Methodical", "Earth", "Mercury",
     "3 && 5", "Blue", "Wednesday", "Sapphire", "Mutable", "Intestines", "Chrysanthemum"},
    {"Libra", "September 23 - October 22", "Seventh", "Aries", "Pleasant, Sociable, Diplomatic", "Air", "Venus",
     "6 && 9", "Blue", "Friday", "Opal", "Cardinal", "Skin", "Goldenseal"},
    {"Scorpio", "October 23 - November 22", "Eighth", "Taurus", "Secretive, Possessive, Investigative", "Water",
     "Pluto and Mars", "2 && 4", "Burgundy and Black", "Tuesday", "Topaz", "Fixed", "Sexual Organs", "Holly"},
    {"Sagittarius", "November 23 - December 22", "Ninth", "Gemini", "Adventurous, Extrovert, Philosophical", "Fire",
     "Jupiter", "5 && 7", "Purple", "Thursday", "Turquoise", "Mutable", "Thighs", "Blackberry"},
    {"Capricorn", "December 23 - January 20", "Tenth", "Cancer", "Serious, Ambitious, Disciplined", "Earth", "Saturn",
     "8 && 2", "Brown", "Saturday", "Garnet", "Cardinal", "Knees", "Trillium"},
    {"Aquarius", "January 20 - February 19", "Eleventh", "Leo", "Intelligent, Innovative, Individualistic", "Air",
     "Uranus and Saturn", "1 && 7", "Violet", "Wednesday", "Amethyst", "Fixed", "Calves", "Goldenrod"},
    {"Pisces", "February 19 - March 20", "Twelfth", "Virgo", "Sensitive, Compassionate, Introspective", "Water",
     "Neptune and Jupiter", "2 && 6", "Sea green", "Friday", "Aquamarine", "Mutable", "Feet", "Rhubarb"},
};

constexpr int kLeo = 4;

SignTableColumns g_signTable;

} // namespace

const SignTableColumns& SignTable() noexcept {
    return g_signTable;
}

void FillSignTable() {
    SignTableColumns& t = g_signTable;
    for (int i = 0; i < SignTableColumns::Records; ++i) {
        const SignRow& row = kSigns[i];
        const auto at = [i](Column& column) -> std::string& { return column[static_cast<std::size_t>(i)]; };
        at(t.SignName) = row.name;
        at(t.Dates) = row.dates;
        at(t.SignNumber) = row.number;
        at(t.OppositeSign) = row.opposite;
        at(t.Keywords) = row.keywords;
        at(t.PositiveTraits) = prose::SignPositiveTraits[static_cast<std::size_t>(i)];
        if (i == kLeo)
            at(t.PositiveTraits) += prose::LeoPositiveTraitsTail;
        at(t.NegativeTraits) = prose::SignNegativeTraits[static_cast<std::size_t>(i)];
        at(t.Element) = row.element;
        at(t.RulingPlanet) = row.rulingPlanet;
        at(t.LuckyNumber) = row.luckyNumber;
        at(t.LuckyColor) = row.luckyColor;
        at(t.LuckyDay) = row.luckyDay;
        at(t.Birthstone) = row.birthstone;
        at(t.Quality) = row.quality;
        at(t.Anatomy) = row.anatomy;
        at(t.FlowerEssence) = row.flowerEssence;
    }
}

} // namespace orbelle::modLearnAstrology
