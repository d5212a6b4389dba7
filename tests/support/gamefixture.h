// SPDX-License-Identifier: MIT
#pragma once

#include "fixedfractions.h"
#include "memoryform.h"

#include "game/game.h"

#include <string>

// A game on an in-memory form, its hidden number chosen by the test, started as the
// program starts it.
struct GameFixture
{
    explicit GameFixture(int hiddenNumber)
        : fractions({FixedFractions::drawing(hiddenNumber)})
        , game(form, fractions)
    {
        game.NewGame();
    }

    // The user picks the item showing number; false when the list does not offer it.
    bool pick(int number)
    {
        if (!form.selectItem(std::to_string(number)))
            return false;
        game.pick();
        return true;
    }

    MemoryForm form;
    FixedFractions fractions;
    Game game;
};
