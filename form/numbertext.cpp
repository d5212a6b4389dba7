// SPDX-License-Identifier: MIT
#include "form/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

std::string decimalText(double value)
{
    std::array<char, 32> buffer{};
    constexpr double wholeLimit = 1e15;
    std::to_chars_result result{};
    if (value == std::trunc(value) && std::fabs(value) < wholeLimit) {
        // Whole values print as integers; this also turns -0 into "0".
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                               static_cast<std::int64_t>(value));
    } else {
        constexpr int significantDigits = 15;
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                               std::chars_format::general, significantDigits);
    }
    return {buffer.data(), result.ptr};
}
