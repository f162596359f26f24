// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "knowledge/Topic.h"

#include <array>
#include <span>
#include <string_view>

namespace orbelle::modLearnAstrology {

// The attribute captions of a topic, in list order; the position is the attribute index.
std::span<const std::string_view> AttributeCaptions(Topic topic) noexcept;

// The topic captions of a mode, in Topic order ("Learn By Signs", ... or "Test By Signs", ...).
std::array<std::string_view, 3> TopicCaptions(Mode mode) noexcept;

} // namespace orbelle::modLearnAstrology
