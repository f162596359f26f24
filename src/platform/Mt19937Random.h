// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/RandomSource.h"

#include <cstdint>
#include <random>

namespace orbelle::platform {

// The program's random source: a Mersenne Twister, which gives the same sequence for
// a seed on every platform. The single-precision draw is built from 24 random bits
// here rather than by a standard distribution, whose output differs between libraries.
class Mt19937Random final : public RandomSource {
public:
    explicit Mt19937Random(std::uint32_t seedValue = std::mt19937::default_seed)
        : m_engine(seedValue) {}

    void seed(std::uint32_t value) override { m_engine.seed(value); }

    float nextSingle() override {
        constexpr float scale = 1.0f / 16777216.0f; // 2^-24
        return static_cast<float>(m_engine() >> 8) * scale;
    }

private:
    std::mt19937 m_engine;
};

} // namespace orbelle::platform
