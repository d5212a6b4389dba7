// SPDX-License-Identifier: MIT
#pragma once

// Numbers and their decimal texts, both ways: what decimalText prints and what
// numericValue reads. The desktop tests and the browser build's test (whose standard
// library prints and reads numbers with code of its own) check the same rows.

#include <array>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

struct PrintedNumber
{
    std::string_view name;
    double value;
    std::string_view text;
};

struct ReadNumber
{
    std::string_view name;
    std::string text;
    // Empty when reading must fail with an overflow.
    std::optional<double> value;
};

inline const std::array printedNumbers{
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
};

inline const std::array readNumbers{
    ReadNumber{"whole number", "25", 25.0},
    ReadNumber{"empty", "", 0.0},
    ReadNumber{"leading blanks", "  \t7", 7.0},
    ReadNumber{"trailing text ignored", "12abc", 12.0},
    ReadNumber{"verdict text begins with no number", "Да 7", 0.0},
    ReadNumber{"negative", "-4", -4.0},
    ReadNumber{"explicit plus", "+4", 4.0},
    ReadNumber{"fraction", "2.75", 2.75},
    ReadNumber{"leading point", ".5", 0.5},
    ReadNumber{"trailing point", "7.", 7.0},
    ReadNumber{"exponent", "1e3", 1000.0},
    ReadNumber{"capital exponent with sign", "1E+2", 100.0},
    ReadNumber{"incomplete exponent ignored", "5e", 5.0},
    ReadNumber{"sign alone", "-", 0.0},
    ReadNumber{"point alone", ".", 0.0},
    ReadNumber{"comma ends the number", "3,5", 3.0},
    ReadNumber{"hexadecimal reads its 0 only", "0x10", 0.0},
    ReadNumber{"a tenth", "0.1", 0.1},
    ReadNumber{"the largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    ReadNumber{"the smallest subnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    ReadNumber{"underflow to zero", "1e-400", 0.0},
    ReadNumber{"long fraction underflows", "0." + std::string(400, '0') + "1e-10", 0.0},
    ReadNumber{"overflow", "1e400", std::nullopt},
    ReadNumber{"negative overflow", "-1e400", std::nullopt},
    ReadNumber{"overflow through the fraction", "0.1e310", std::nullopt},
    ReadNumber{"exponent beyond any integer", "1e99999999999999999999", std::nullopt},
    ReadNumber{"400 nines", std::string(400, '9'), std::nullopt},
};
