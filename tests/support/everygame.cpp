// SPDX-License-Identifier: MIT
#include "everygame.h"

#include "game/fractionsource.h"

void forEveryGame(const std::function<void(const PlayedGame &)> &play)
{
    for (int hidden = 2; hidden <= 21; ++hidden) {
        FixedFractions fractions({FixedFractions::drawing(hidden)});
        Game probe(fractions);
        const Offer firstOffer = probe.NewGame().offer;
        for (const int first : firstOffer) {
            const Offer secondOffer = *probe.pick(first).offer;
            for (const int second : secondOffer) {
                Game game(fractions);
                static_cast<void>(game.NewGame());
                static_cast<void>(game.pick(first));
                static_cast<void>(game.pick(second));
                play({hidden, first, second, firstOffer, secondOffer, game});
            }
            static_cast<void>(probe.NewGame());
        }
    }
}
