// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class Catalogue;

// The language asked for with --language=CODE, empty for none. Read before anything
// else, since the rest of the command line is answered in that language.
[[nodiscard]] QString languageAsked();

// Answers --help and --version, in the language of texts, as a Linux program should.
// Returns the exit code when the program should stop here: 0 after help or version, 2
// for an option it does not know or for arguments, which it takes none of (with a
// message on standard error). Qt's own options have been taken out by QApplication
// already.
[[nodiscard]] std::optional<int> handleCommandLine(const Catalogue &texts);
