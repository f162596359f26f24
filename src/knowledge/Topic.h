// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace orbelle::modLearnAstrology {

// The three things the tutor teaches. The values are the positions in the topic lists.
enum class Topic { Signs = 0, Planets = 1, Houses = 2 };

// A topic list's selected index: 0 and 1 name signs and planets, anything else
// (2, or an index a caller got wrong) names houses.
constexpr Topic TopicFromIndex(int index) noexcept {
    if (index == 0)
        return Topic::Signs;
    if (index == 1)
        return Topic::Planets;
    return Topic::Houses;
}

// Learn mode and test mode show the same attributes but word their topic lists differently.
enum class Mode { Learn, Test };

} // namespace orbelle::modLearnAstrology
