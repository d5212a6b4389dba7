// SPDX-License-Identifier: MIT
#include "scriptedgame.h"

#include "gamefixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

int rowShowing(const MemoryForm &form, int number)
{
    const std::vector<std::string> &items = form.items();
    const auto found = std::find(items.begin(), items.end(), std::to_string(number));
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

int lineCount(const std::string &transcript)
{
    int lines = 1;
    for (std::size_t at = transcript.find("\r\n"); at != std::string::npos;
         at = transcript.find("\r\n", at + 2))
        ++lines;
    return lines;
}

} // namespace

LongestGame findLongestGame()
{
    LongestGame longest;
    for (int hidden = 2; hidden <= 21; ++hidden) {
        for (int first = 20; first <= 49; ++first) {
            GameFixture probe(hidden);
            const int firstRow = rowShowing(probe.form, first);
            probe.pick(first);
            // Each game needs a fresh fixture; the items offered for the second pick
            // are copied because the fixtures below rewrite their own lists.
            const std::vector<std::string> offered = probe.form.items();
            for (const std::string &secondText : offered) {
                const int second = std::stoi(secondText);
                GameFixture fixture(hidden);
                fixture.pick(first);
                const int secondRow = rowShowing(fixture.form, second);
                fixture.pick(second);
                const int guessRow = rowShowing(fixture.form, hidden);
                fixture.game.ShowSolution();
                ++longest.gamesPlayed;

                const int lines = lineCount(fixture.form.text1());
                if (lines > longest.transcriptLines) {
                    longest.transcriptLines = lines;
                    longest.game = {hidden, {first, second, hidden}, {firstRow, secondRow, guessRow}};
                }
            }
        }
    }
    return longest;
}
