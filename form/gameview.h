// SPDX-License-Identifier: MIT
#pragma once

// What the player sees and hears of the game's outcomes (game/game.h), in the language
// of a catalogue: each function writes one outcome to the form surface in the order
// the game worked it out, then announces it for a screen reader. An outcome stopped
// by a run-time error shows what was done before the error, then the error's message
// instead of the announcement; the functions return false for it, so that the caller
// does no more.

#include "game/game.h"

#include <string>
#include <vector>

class Catalogue;
class FormSurface;

namespace GameView {

// The list's items for an offer.
[[nodiscard]] std::vector<std::string> itemTexts(const Offer &offer);

// The worked solution as Text1(0) shows it in the language of texts, CR LF between the
// lines.
[[nodiscard]] std::string transcript(const Solution &solution, const Catalogue &texts);

// Resets the labels and boxes, unlocks the result box and offers the new list.
bool showNewGame(FormSurface &form, const NewGameOutcome &outcome, const Catalogue &texts);
bool showPick(FormSurface &form, const PickOutcome &outcome, const Catalogue &texts);
bool showSolution(FormSurface &form, const Solution &solution, const Catalogue &texts);

} // namespace GameView
