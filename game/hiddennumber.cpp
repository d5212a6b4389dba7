// SPDX-License-Identifier: MIT
#include "game/hiddennumber.h"

#include "game/arithmetic.h"

std::int32_t hiddenNumberFor(float fraction)
{
    constexpr float scale = 100.0F;
    // The product is kept in double precision: rounding it back to float first would
    // move some ties (r * 100 = k + 0.5) and change the drawn number.
    const double scaled = static_cast<double>(fraction) * static_cast<double>(scale);
    constexpr int span = 20;
    constexpr int smallest = 2;
    return mod(toInt32(scaled), span) + smallest;
}
