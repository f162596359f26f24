// SPDX-FileCopyrightText: 2026 Orbelle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>

namespace orbelle::platform {

// Uniform single-precision draws in [0, 1). Everything the program picks at random
// goes through one of these, so tests can script every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts the sequence afresh from a seed; the program does this once, at start-up.
    virtual void seed(std::uint32_t value) = 0;
    virtual float nextSingle() = 0;
};

// The integer nearest to x, an exact half going to the even neighbour (5.5 -> 6, 4.5 -> 4).
inline int nearest(double x) noexcept {
    const double below = std::floor(x);
    const double fraction = x - below;
    auto result = static_cast<int>(below);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return result;
}

// nearest(u * m) for a fresh draw u: a value from 0 to m where 0 and m come up half
// as often as the values between. The product is exact in double precision.
inline int randomIndex(RandomSource& random, int m) {
    return nearest(static_cast<double>(random.nextSingle()) * m);
}

} // namespace orbelle::platform
