// SPDX-License-Identifier: MIT
#include "scriptedgame.h"

#include "everygame.h"

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
    forEveryGame([&longest](const PlayedGame &played) {
        ++longest.gamesPlayed;
        // Four headings and differences, the subtractions, the divisor.
        const int lines = 5 + static_cast<int>(played.game.ShowSolution()->subtractions.size());
        if (lines > longest.transcriptLines) {
            longest.transcriptLines = lines;
            longest.game = {played.hidden,
                            {played.first, played.second, played.hidden},
                            {rowOffering(played.firstOffer, played.first), rowOffering(played.secondOffer, played.second),
                             rowOffering(played.game.state().offer, played.hidden)}};
        }
    });
    return longest;
}
