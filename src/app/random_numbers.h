// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Uniform numbers in [0, 1) for the program. The generator is never seeded, so every run draws
// the same sequence: the button colours of the grid look the same at every start.

#include <cstdint>
#include <random>

namespace zephal {

class RandomNumbers {
public:
    // 24 random bits scaled into [0, 1): every value is exact in a single.
    float next() {
        const std::uint32_t bits = static_cast<std::uint32_t>(m_engine()) >> 8;
        return static_cast<float>(bits) / 16777216.0f;
    }

private:
    std::mt19937 m_engine;  // default state: the same sequence on every run
};

}  // namespace zephal
