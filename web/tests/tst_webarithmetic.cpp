// SPDX-License-Identifier: MIT
// The game's number conversions as the browser build compiles them: the standard
// library there lacks the floating-point to_chars and from_chars, which the build
// supplies, so these cases pin down that the numbers print and read as on the desktop.

#include "game/arithmetic.h"
#include "game/runtimeerror.h"
#include "tests/support/numbertexts.h"

#include <cstdio>
#include <string>

namespace {

int failures = 0;

void fail(const std::string &what)
{
    std::printf("FAIL %s\n", what.c_str());
    ++failures;
}

} // namespace

int main()
{
    for (const auto &[name, value, text] : printedNumbers) {
        const std::string actual = decimalText(value);
        if (actual != text)
            fail(std::string(name) + ": decimalText gave " + actual + ", not " + std::string(text));
    }
    for (const auto &[name, text, value] : readNumbers) {
        try {
            const double actual = numericValue(text);
            if (!value || actual != *value)
                fail(std::string(name) + ": numericValue gave " + decimalText(actual));
        } catch (const RuntimeError &error) {
            if (value || error.kind() != RuntimeError::Kind::Overflow)
                fail(std::string(name) + ": numericValue threw");
        }
    }
    std::printf("%zu cases, %d failed\n", printedNumbers.size() + readNumbers.size(), failures);
    return failures == 0 ? 0 : 1;
}
