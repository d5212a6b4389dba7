// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The program takes no arguments of its own, but answers --help and --version as a
// Linux program should. Returns the exit code when the program should stop here:
// 0 after help or version, 2 for an option it does not know (with a message on
// standard error). Qt's own options have been taken out by QApplication already.
[[nodiscard]] std::optional<int> handleCommandLine();
