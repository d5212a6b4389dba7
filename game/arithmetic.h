// SPDX-License-Identifier: MIT
#pragma once

// The number rules the game is written against: whole-number conversions that round
// half to even and treat overflow as a run-time error, and the integer remainder.

#include "game/runtimeerror.h"

#include <cstdint>

// Rounds to the nearest whole number, a tie to the even one (2.5 -> 2, 3.5 -> 4).
[[nodiscard]] double roundHalfEven(double value) noexcept;

// Rounds half to even and stores in 16 or 32 bits; an Overflow when the rounded value
// does not fit, or for a value that is not a number.
[[nodiscard]] Checked<std::int16_t> toInt16(double value) noexcept;
[[nodiscard]] Checked<std::int32_t> toInt32(double value) noexcept;

// The integer remainder: both operands rounded half to even into 32 bits, the result
// carrying the sign of the dividend. A DivisionByZero for a zero divisor, an Overflow
// for an operand out of range.
[[nodiscard]] Checked<std::int32_t> mod(double dividend, double divisor) noexcept;
