// SPDX-License-Identifier: MIT
#pragma once

// Numbers and the decimal texts the form shows for them. The desktop tests and the
// browser build's test (whose standard library prints numbers with code of its own)
// check the same rows.

#include <array>
#include <limits>
#include <string_view>

struct PrintedNumber
{
    std::string_view name;
    double value;
    std::string_view text;
};

inline constexpr std::array printedNumbers{
    PrintedNumber{"zero", 0.0, "0"},
    PrintedNumber{"negative zero has no sign", -0.0, "0"},
    PrintedNumber{"positive, no blank", 25.0, "25"},
    PrintedNumber{"negative", -3.0, "-3"},
    PrintedNumber{"no grouping", 1234567.0, "1234567"},
    PrintedNumber{"fraction", 2.5, "2.5"},
    PrintedNumber{"negative fraction", -0.125, "-0.125"},
    PrintedNumber{"a tenth", 0.1, "0.1"},
    PrintedNumber{"a third, 15 digits", 1.0 / 3.0, "0.333333333333333"},
    PrintedNumber{"two thirds, rounded", 2.0 / 3.0, "0.666666666666667"},
    PrintedNumber{"16 digits become an exponent", 1e15, "1e+15"},
    PrintedNumber{"15 digits stay whole", 123456789012345.6, "123456789012346"},
    PrintedNumber{"huge", 1e20, "1e+20"},
    PrintedNumber{"tiny negative", -2.5e-7, "-2.5e-07"},
    PrintedNumber{"near the smallest", 1e-300, "1e-300"},
    PrintedNumber{"the largest double", std::numeric_limits<double>::max(), "1.79769313486232e+308"},
    PrintedNumber{"the smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"},
    PrintedNumber{"the smallest in fixed notation", 0.0001, "0.0001"},
    PrintedNumber{"just below it, an exponent", 0.0000123, "1.23e-05"},
    PrintedNumber{"a tie rounds to the even digit, down", 100000000000000.5, "100000000000000"},
    PrintedNumber{"a tie rounds to the even digit, up", 100000000000001.5, "100000000000002"},
    PrintedNumber{"rounding carries into a new digit", 99999999999999.95, "100000000000000"},
};
