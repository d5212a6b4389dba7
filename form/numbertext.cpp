// SPDX-License-Identifier: MIT
#include "form/numbertext.h"

#include <array>
#include <charconv>

std::string decimalText(std::int64_t value)
{
    std::array<char, 24> buffer{};
    const std::to_chars_result result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}
