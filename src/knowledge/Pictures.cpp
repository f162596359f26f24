// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Pictures.h"

#include "knowledge/Tables.h"
#include "knowledge/WorkingState.h"

#include <array>

namespace orbelle::modLearnAstrology {

namespace {

constexpr std::array<Picture, 12> kSignPictures = {{
    {":/glyphs/signs/01aries.png", 40, 36},
    {":/glyphs/signs/02taurus.png", 40, 36},
    {":/glyphs/signs/03gemini.png", 40, 36},
    {":/glyphs/signs/04cancer.png", 40, 36},
    {":/glyphs/signs/05leo.png", 40, 36},
    {":/glyphs/signs/06virgo.png", 40, 36},
    {":/glyphs/signs/07libra.png", 40, 36},
    {":/glyphs/signs/08scorpio.png", 40, 36},
    {":/glyphs/signs/09sagittarius.png", 40, 36},
    {":/glyphs/signs/10capricorn.png", 40, 36},
    {":/glyphs/signs/11aquarius.png", 40, 36},
    {":/glyphs/signs/12pisces.png", 40, 36},
}};

// Jupiter stands third, as in the planet table.
constexpr std::array<Picture, 10> kPlanetPictures = {{
    {":/glyphs/planets/01sun.png", 40, 41},
    {":/glyphs/planets/02moon.png", 39, 53},
    {":/glyphs/planets/03jupiter.png", 36, 33},
    {":/glyphs/planets/04mercury.png", 36, 33},
    {":/glyphs/planets/05venus.png", 30, 30},
    {":/glyphs/planets/06mars.png", 36, 33},
    {":/glyphs/planets/07saturn.png", 36, 33},
    {":/glyphs/planets/08uranus.png", 30, 30},
    {":/glyphs/planets/09neptune.png", 30, 30},
    {":/glyphs/planets/10pluto.png", 30, 30},
}};

} // namespace

std::span<const Picture> imgSign() noexcept {
    return kSignPictures;
}

std::span<const Picture> imgPlanet() noexcept {
    return kPlanetPictures;
}

const Picture* ImageAt(std::span<const Picture> list, int position) noexcept {
    return EntryAt(list, position - 1);
}

const Picture* PictureFor(Topic topic, int recordIndex) noexcept {
    switch (topic) {
    case Topic::Signs:
        return ImageAt(imgSign(), recordIndex + 1);
    case Topic::Planets:
        return ImageAt(imgPlanet(), recordIndex + 1);
    case Topic::Houses:
        break;
    }
    return nullptr;
}

const Picture* PictureByRecordCount(int recordCount, int recordIndex) noexcept {
    return PictureFor(recordCount == RecordCount(Topic::Planets) ? Topic::Planets : Topic::Signs, recordIndex);
}

} // namespace orbelle::modLearnAstrology
