// SPDX-License-Identifier: MIT
#pragma once

// The language a test runs in: CTest runs the tests whose tables hold texts once for
// each language (LANGUAGE=bg, LANGUAGE=en), and the expected texts come from the
// catalogue of that language, built beside the test (share/locale), as the program's.

#include "form/catalogue.h"

#include <memory>

[[nodiscard]] std::shared_ptr<const Catalogue> testCatalogue();

// Whether the test runs in Bulgarian, the language the program's texts were designed
// in, character for character.
[[nodiscard]] bool inBulgarian();
