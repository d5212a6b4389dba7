// SPDX-License-Identifier: MIT
#include "game/hiddennumber.h"

#include "game/arithmetic.h"

Checked<std::int32_t> hiddenNumberFor(float fraction) noexcept
{
    constexpr float scale = 100.0F;
    // The product is kept in double precision: rounding it back to float first would
    // move some ties (r * 100 = k + 0.5) and change the drawn number.
    const double scaled = static_cast<double>(fraction) * static_cast<double>(scale);
    const Checked<std::int32_t> whole = toInt32(scaled);
    if (whole.error())
        return *whole.error();
    constexpr int span = 20;
    constexpr int smallest = 2;
    return *mod(*whole, span) + smallest;
}
