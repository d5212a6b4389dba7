// SPDX-License-Identifier: MIT
#pragma once

#include "game/fractionsource.h"

#include <cstdint>
#include <deque>

// Fractions chosen by the test, handed out in order; the last one repeats.
class FixedFractions final : public FractionSource
{
public:
    explicit FixedFractions(std::deque<float> fractions)
        : queue(std::move(fractions))
    {
    }

    // A fraction that draws the given hidden number (2 to 21).
    static float drawing(int hiddenNumber) { return static_cast<float>(hiddenNumber - 2) / 100.0F; }

    void seed(std::uint64_t value) override { seeds.push_back(value); }

    [[nodiscard]] float nextFraction() override
    {
        if (!queue.empty()) {
            last = queue.front();
            queue.pop_front();
        }
        return last;
    }

    void push(float fraction) { queue.push_back(fraction); }

    std::deque<std::uint64_t> seeds;

private:
    std::deque<float> queue;
    float last = 0.0F;
};
