// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

// A run-time error of the game's arithmetic: a value that does not fit the integer it
// must be stored in, or a remainder taken by zero. The front end reports it to the
// user; the game never lets it pass silently.
class RuntimeError : public std::runtime_error
{
public:
    enum class Kind { Overflow, DivisionByZero };

    explicit RuntimeError(Kind kind);

    [[nodiscard]] Kind kind() const noexcept { return errorKind; }

private:
    Kind errorKind;
};
