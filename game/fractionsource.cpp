// SPDX-License-Identifier: MIT
#include "game/fractionsource.h"

#include <ctime>
#include <utility>

void UniformFractionSource::seed(std::uint64_t value)
{
    state = value;
}

float UniformFractionSource::nextFraction()
{
    state += 0x9E3779B97F4A7C15U;
    std::uint64_t mixed = state;
    mixed = (mixed ^ (mixed >> 30U)) * 0xBF58476D1CE4E5B9U;
    mixed = (mixed ^ (mixed >> 27U)) * 0x94D049BB133111EBU;
    mixed ^= mixed >> 31U;
    constexpr unsigned dropped = 64U - 24U;
    constexpr float step = 0x1p-24F;
    return static_cast<float>(mixed >> dropped) * step;
}

FixedFractions::FixedFractions(std::vector<float> fractions)
    : queue(std::move(fractions))
{
}

float FixedFractions::drawing(int hiddenNumber)
{
    constexpr int smallest = 2;
    constexpr float percent = 100.0F;
    return static_cast<float>(hiddenNumber - smallest) / percent;
}

void FixedFractions::seed(std::uint64_t value)
{
    seedsGiven.push_back(value);
}

float FixedFractions::nextFraction()
{
    if (next < queue.size())
        last = queue[next++];
    return last;
}

void FixedFractions::push(float fraction)
{
    queue.push_back(fraction);
}

std::uint64_t clockSeed()
{
    // The C clock rather than std::chrono's system clock, whose failure path (a
    // std::system_error and its messages) would bring C's printf into the page.
    std::timespec now{};
    std::timespec_get(&now, TIME_UTC);
    constexpr std::uint64_t nanosecondsPerSecond = 1000000000;
    return static_cast<std::uint64_t>(now.tv_sec) * nanosecondsPerSecond + static_cast<std::uint64_t>(now.tv_nsec);
}
