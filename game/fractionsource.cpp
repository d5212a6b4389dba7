// SPDX-License-Identifier: MIT
#include "game/fractionsource.h"

#include <chrono>

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

std::uint64_t clockSeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}
