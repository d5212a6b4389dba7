// SPDX-License-Identifier: MIT
#pragma once

#include "game/runtimeerror.h"
#include "window/formtexts.h"

#include <string_view>

// What every front end tells the player when the game's arithmetic fails.
[[nodiscard]] constexpr std::string_view errorText(RuntimeError::Kind kind)
{
    switch (kind) {
    case RuntimeError::Kind::Overflow:
        return FormTexts::overflowError;
    case RuntimeError::Kind::DivisionByZero:
        return FormTexts::divisionByZeroError;
    }
    return FormTexts::unexpectedError;
}
