// SPDX-License-Identifier: MIT
#pragma once

#include "game/runtimeerror.h"

#include <cstdint>

// The hidden number drawn for a fraction 0 <= r < 1: x = r * 100 at full double
// precision, rounded half to even, then (x mod 20) + 2. The result lies in 2 to 21;
// 2 comes from both ends (x = 0 and x = 100), so each value has probability 1/20. A
// fraction that is not a number is an Overflow.
[[nodiscard]] Checked<std::int32_t> hiddenNumberFor(float fraction) noexcept;
