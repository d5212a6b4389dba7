// SPDX-License-Identifier: MIT
#include "game/arithmetic.h"

#include <cmath>
#include <limits>

namespace {

template<typename Integer>
Checked<Integer> roundInto(double value) noexcept
{
    const double rounded = roundHalfEven(value);
    // NaN fails both comparisons and so counts as out of range too.
    if (!(rounded >= static_cast<double>(std::numeric_limits<Integer>::min())
          && rounded <= static_cast<double>(std::numeric_limits<Integer>::max()))) {
        return RuntimeError::Overflow;
    }
    return static_cast<Integer>(rounded);
}

} // namespace

double roundHalfEven(double value) noexcept
{
    // The default floating-point environment rounds to nearest, ties to even; the
    // program never changes it.
    return std::nearbyint(value);
}

Checked<std::int16_t> toInt16(double value) noexcept
{
    return roundInto<std::int16_t>(value);
}

Checked<std::int32_t> toInt32(double value) noexcept
{
    return roundInto<std::int32_t>(value);
}

Checked<std::int32_t> mod(double dividend, double divisor) noexcept
{
    const Checked<std::int32_t> left = toInt32(dividend);
    const Checked<std::int32_t> right = toInt32(divisor);
    if (const auto error = left.error() ? left.error() : right.error())
        return *error;
    if (*right == 0)
        return RuntimeError::DivisionByZero;
    // Computed in 64 bits so that the minimum 32-bit value divided by -1 cannot trap;
    // C++ gives the remainder the sign of the dividend, as the game expects.
    return static_cast<std::int32_t>(std::int64_t{*left} % std::int64_t{*right});
}
