// SPDX-License-Identifier: MIT
#pragma once

#include "game/runtimeerror.h"

#include <string_view>

// What the page tells the player when the game's arithmetic fails, in Bulgarian.
[[nodiscard]] std::string_view errorMessage(RuntimeError::Kind kind);
