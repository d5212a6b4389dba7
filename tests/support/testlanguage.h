// SPDX-License-Identifier: MIT
#pragma once

// The language a test runs in: CTest runs the tests whose tables hold texts once for
// each language of the table (LANGUAGE=LL) and for a pseudo-language made from the
// template at test time, and the expected texts come from the catalogue of the
// language the program chooses for LANGUAGE: the one built beside the test
// (share/locale), as the program's, or the pseudo-language's in the folder
// ROVALIN_TEST_CATALOGUES names.

#include "form/catalogue.h"

#include <memory>

[[nodiscard]] std::shared_ptr<const Catalogue> testCatalogue();

// Whether the test runs in Bulgarian, the language the program's texts were designed
// in, character for character.
[[nodiscard]] bool inBulgarian();

// Whether the test's language is written right to left, as the tests' own table of
// languages states it (scenarios/languages.json), apart from the program's catalogue,
// which must say the same.
[[nodiscard]] bool inRightToLeft();

// Whether the test runs in the pseudo-language, in which every translated letter is
// accented: a plain ASCII word shown in it is a text that no catalogue covers.
[[nodiscard]] bool inPseudoLanguage();
