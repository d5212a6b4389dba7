// SPDX-License-Identifier: MIT
// The form's number texts as the browser build compiles them: the standard library
// there lacks the floating-point to_chars, which the build supplies, so these cases
// pin down that numbers print as on the desktop.

#include "form/numbertext.h"
#include "numbertexts.h"

#include <cstdio>
#include <string>

int main()
{
    int failures = 0;
    for (const auto &[name, value, text] : printedNumbers) {
        const std::string actual = decimalText(value);
        if (actual != text) {
            std::printf("FAIL %s: decimalText gave %s, not %s\n", name.data(), actual.c_str(), text.data());
            ++failures;
        }
    }
    std::printf("%zu cases, %d failed\n", printedNumbers.size(), failures);
    return failures == 0 ? 0 : 1;
}
