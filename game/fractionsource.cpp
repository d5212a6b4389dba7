// SPDX-License-Identifier: MIT
#include "game/fractionsource.h"

#include <ctime>
#include <utility>

void UniformFractionSource::seed(std::uint64_t value)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(value),
                           static_cast<std::uint32_t>(value >> 32U)};
    engine.seed(sequence);
}

float UniformFractionSource::nextFraction()
{
    constexpr unsigned dropped = 32U - 24U;
    constexpr float step = 0x1p-24F;
    const auto top24 = static_cast<std::uint32_t>(engine() >> dropped);
    return static_cast<float>(top24) * step;
}

FixedFractions::FixedFractions(std::deque<float> fractions)
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
    if (!queue.empty()) {
        last = queue.front();
        queue.pop_front();
    }
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
