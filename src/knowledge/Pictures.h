// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/Topic.h"

#include <span>
#include <string_view>

namespace orbelle::modLearnAstrology {

// One glyph picture of an image list: where it is embedded and its size in pixels
// (each also has a twin of double size for high-DPI screens, "name@2x.png").
struct Picture {
    std::string_view resource;
    int width;
    int height;
    // What the strokes look like, for a learner who cannot see the picture; it never
    // names the record, so that the picture still teaches what the glyph looks like.
    std::string_view description;
};

// The two image lists, in record order of their tables. Positions count from 1.
std::span<const Picture> imgSign() noexcept;
std::span<const Picture> imgPlanet() noexcept;

// Entry `position` (from 1) of an image list, or nullptr outside the list.
const Picture* ImageAt(std::span<const Picture> list, int position) noexcept;

// The glyph of a sign or planet record; houses have none, and neither has an index
// outside the table (nullptr).
const Picture* PictureFor(Topic topic, int recordIndex) noexcept;

// The glyph of a sign or planet record of a walk or test of recordCount records: the
// list follows the count, not the topic index, so ten records are the planets and any
// other count the signs.
const Picture* PictureByRecordCount(int recordCount, int recordIndex) noexcept;

} // namespace orbelle::modLearnAstrology
