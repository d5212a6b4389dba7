// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

// A whole number as the form shows it: plain decimal digits, a minus sign only for
// negatives, no grouping ("25", "-3", "0"). Every number the game shows is whole: the
// lists offer whole numbers, and their remainders and differences are whole too.
[[nodiscard]] std::string decimalText(std::int64_t value);
