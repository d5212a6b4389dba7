// SPDX-License-Identifier: MIT
#include "game/game.h"

#include "game/arithmetic.h"
#include "game/fractionsource.h"
#include "game/gametexts.h"
#include "game/hiddennumber.h"
#include "form/formsurface.h"

Game::Game(FormSurface &surface, FractionSource &source)
    : form(surface)
    , fractions(source)
{
}

Game::Phase Game::phase() const noexcept
{
    switch (gameState.pickCount) {
    case 0:
        return Phase::FirstQuestion;
    case 1:
        return Phase::SecondQuestion;
    case 2:
        return Phase::Guess;
    default:
        return Phase::Over;
    }
}

void Game::NewGame()
{
    form.setLabel1Caption(1, GameTexts::firstNumberCaption);
    form.setLabel1Caption(2, GameTexts::secondNumberCaption);
    for (int box = 0; box <= 2; ++box)
        form.setText2(box, {});
    form.setText2Locked(false);

    form.list1Clear();
    constexpr int firstOffered = 20;
    constexpr int lastOffered = 49;
    for (int number = firstOffered; number <= lastOffered; ++number)
        form.list1AddItem(decimalText(number));
    form.setList1ListIndex(-1);

    gameState.pickCount = 0;
    gameState.hiddenNumber = hiddenNumberFor(fractions.nextFraction());
}
