// SPDX-License-Identifier: MIT
#include "scriptedgame.h"

#include "game/fractionsource.h"
#include "game/game.h"

#include <algorithm>

namespace {

int rowOffering(const Offer &offer, int number)
{
    const auto found = std::ranges::find(offer, number);
    return found == offer.end() ? -1 : static_cast<int>(found - offer.begin());
}

} // namespace

LongestGame findLongestGame()
{
    LongestGame longest;
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
                const Solution solution = *game.ShowSolution();
                ++longest.gamesPlayed;

                // Four headings and differences, the subtractions, the divisor.
                const int lines = 5 + static_cast<int>(solution.subtractions.size());
                if (lines > longest.transcriptLines) {
                    longest.transcriptLines = lines;
                    longest.game = {hidden,
                                    {first, second, hidden},
                                    {rowOffering(firstOffer, first), rowOffering(secondOffer, second),
                                     rowOffering(game.state().offer, hidden)}};
                }
            }
            static_cast<void>(probe.NewGame());
        }
    }
    return longest;
}
