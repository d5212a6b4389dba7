// SPDX-License-Identifier: MIT
#pragma once

#include "game/game.h"

#include <functional>

// One of the games the lists allow, after its two questions.
struct PlayedGame
{
    int hidden = 0;
    int first = 0;
    int second = 0;
    // The lists the two questions were picked from.
    const Offer &firstOffer;
    const Offer &secondOffer;
    Game &game;
};

// Plays every game the lists allow: each hidden number, each first pick, each second
// pick then offered; play sees each after its second pick.
void forEveryGame(const std::function<void(const PlayedGame &)> &play);
