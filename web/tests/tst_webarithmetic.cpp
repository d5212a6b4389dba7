// SPDX-License-Identifier: MIT
// The game's number conversions as the browser build compiles them: the standard
// library there lacks the floating-point to_chars and from_chars, which the build
// supplies, so these cases pin down that the numbers print and read as on the desktop.

#include "game/arithmetic.h"
#include "game/runtimeerror.h"

#include <array>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Printed
{
    double value;
    std::string_view text;
};

struct Read
{
    std::string text;
    // Empty when reading must fail with an overflow.
    std::optional<double> value;
};

const std::array printed{
    Printed{0.0, "0"},
    Printed{-0.0, "0"},
    Printed{25.0, "25"},
    Printed{-3.0, "-3"},
    Printed{1234567.0, "1234567"},
    Printed{2.5, "2.5"},
    Printed{-0.125, "-0.125"},
    Printed{0.1, "0.1"},
    Printed{1.0 / 3.0, "0.333333333333333"},
    Printed{2.0 / 3.0, "0.666666666666667"},
    Printed{1e15, "1e+15"},
    Printed{123456789012345.6, "123456789012346"},
    Printed{1e20, "1e+20"},
    Printed{-2.5e-7, "-2.5e-07"},
    Printed{1e-300, "1e-300"},
    Printed{std::numeric_limits<double>::max(), "1.79769313486232e+308"},
};

const std::array read{
    Read{"25", 25.0},
    Read{"", 0.0},
    Read{"  \t7", 7.0},
    Read{"12abc", 12.0},
    Read{"Да 7", 0.0},
    Read{"-4", -4.0},
    Read{"+4", 4.0},
    Read{"2.75", 2.75},
    Read{".5", 0.5},
    Read{"7.", 7.0},
    Read{"1e3", 1000.0},
    Read{"1E+2", 100.0},
    Read{"5e", 5.0},
    Read{"3,5", 3.0},
    Read{"0x10", 0.0},
    Read{"0.1", 0.1},
    Read{"1.7976931348623157e308", std::numeric_limits<double>::max()},
    Read{"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    Read{"1e-400", 0.0},
    Read{"0." + std::string(400, '0') + "1e-10", 0.0},
    Read{"1e400", std::nullopt},
    Read{"-1e400", std::nullopt},
    Read{std::string(400, '9'), std::nullopt},
};

int failures = 0;

void fail(const std::string &what)
{
    std::printf("FAIL %s\n", what.c_str());
    ++failures;
}

} // namespace

int main()
{
    for (const auto &[value, text] : printed) {
        const std::string actual = decimalText(value);
        if (actual != text)
            fail("decimalText(" + std::string(text) + ") gave " + actual);
    }
    for (const auto &[text, value] : read) {
        try {
            const double actual = numericValue(text);
            if (!value || actual != *value)
                fail("numericValue(\"" + text.substr(0, 40) + "\") gave " + decimalText(actual));
        } catch (const RuntimeError &error) {
            if (value || error.kind() != RuntimeError::Kind::Overflow)
                fail("numericValue(\"" + text.substr(0, 40) + "\") threw");
        }
    }
    std::printf("%zu cases, %d failed\n", printed.size() + read.size(), failures);
    return failures == 0 ? 0 : 1;
}
