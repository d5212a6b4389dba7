// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// A number as the form shows it: plain decimal digits, a minus sign only for
// negatives, no grouping and no fractional part for whole values ("25", "-3", "0").
[[nodiscard]] std::string decimalText(double value);
