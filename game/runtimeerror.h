// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// A run-time error of the game's arithmetic: a value that does not fit the integer it
// must be stored in, or a remainder taken by zero. It stops the game's call where it
// strikes; the call's outcome names it, and the front end reports it to the player.
// The game never lets one pass silently.
enum class RuntimeError { Overflow, DivisionByZero };

// A value the game's arithmetic worked out, or the run-time error that struck instead.
// The errors are values, as the game's outcomes are, rather than exceptions.
template<typename Value>
class Checked
{
public:
    // Implicit both ways: a function returns its value, or the error, as it is.
    constexpr Checked(Value value)
        : result(value)
    {
    }
    constexpr Checked(RuntimeError error)
        : failure(error)
    {
    }

    // The error that struck, if one did.
    [[nodiscard]] constexpr std::optional<RuntimeError> error() const noexcept { return failure; }
    // The value, when no error struck.
    [[nodiscard]] constexpr Value operator*() const noexcept { return result; }

private:
    Value result{};
    std::optional<RuntimeError> failure;
};
