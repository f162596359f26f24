// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "knowledge/Pictures.h"

#include "knowledge/Tables.h"
#include "knowledge/WorkingState.h"

#include <array>

namespace orbelle::modLearnAstrology {

namespace {

constexpr std::array<Picture, 12> kSignPictures = {{
    {":/glyphs/signs/01aries.png", 40, 36,
     "Two arcs springing from the top of one upright stem and curling outwards and down."},
    {":/glyphs/signs/02taurus.png", 40, 36, "A circle with a wide crescent resting on top of it, its horns raised."},
    {":/glyphs/signs/03gemini.png", 40, 36, "Two upright pillars joined at the top and at the foot by curved bars."},
    {":/glyphs/signs/04cancer.png", 40, 36,
     "Two small circles with sweeping tails, set one above the other and facing opposite ways."},
    {":/glyphs/signs/05leo.png", 40, 36, "A small circle rising into a tall arch that curls outwards at its end."},
    {":/glyphs/signs/06virgo.png", 40, 36,
     "A small letter m whose last stroke crosses back over itself in a closed loop."},
    {":/glyphs/signs/07libra.png", 40, 36, "An arch with outturned feet standing above a long straight line."},
    {":/glyphs/signs/08scorpio.png", 40, 36,
     "Like a small m, its last leg dropping into an arrowhead that points right."},
    {":/glyphs/signs/09sagittarius.png", 40, 36, "An arrow aimed up to the right, its shaft crossed by a short bar."},
    {":/glyphs/signs/10capricorn.png", 40, 36, "A sharp V whose right arm runs down into a small round loop."},
    {":/glyphs/signs/11aquarius.png", 40, 36, "Two zigzag lines like waves, one above the other."},
    {":/glyphs/signs/12pisces.png", 40, 36,
     "Two upright arcs bowing towards each other, tied across the middle by a level bar."},
}};

// Jupiter stands third, as in the planet table.
constexpr std::array<Picture, 10> kPlanetPictures = {{
    {":/glyphs/planets/01sun.png", 40, 41, "A circle with a solid dot at its centre."},
    {":/glyphs/planets/02moon.png", 39, 53, "A tall, narrow crescent with its horns pointing to the left."},
    {":/glyphs/planets/03jupiter.png", 36, 33,
     "Like a figure 4 drawn with a curved arm, an upright crossing its base."},
    {":/glyphs/planets/04mercury.png", 36, 33,
     "A circle with a small cup of horns above it and a cross hanging below."},
    {":/glyphs/planets/05venus.png", 30, 30, "A circle above a small cross, like a hand mirror."},
    {":/glyphs/planets/06mars.png", 36, 33, "A circle with an arrow leaving its rim towards the upper right."},
    {":/glyphs/planets/07saturn.png", 36, 33, "A small h crossed near the top, its right leg ending in a hook."},
    {":/glyphs/planets/08uranus.png", 30, 30,
     "A capital H with an upright through its crossbar and a small circle beneath."},
    {":/glyphs/planets/09neptune.png", 30, 30,
     "A trident of three arrow-tipped prongs, its handle crossed by a short bar."},
    {":/glyphs/planets/10pluto.png", 30, 30, "A capital P with a foot at its base, like P and L joined."},
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
