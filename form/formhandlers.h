// SPDX-License-Identifier: MIT
#pragma once

// The form's event handlers, written once for every front end.
//
// A front end (the Qt window, the browser page) builds the form's controls, offers
// them as a FormSurface and turns its toolkit's events into the calls below; it
// decides nothing itself. Every call runs to completion:
//
//   the form is loaded      -> Form_Load        caption, seed the fractions, NewGame
//   a button is pressed     -> Command1_Click   0 "Провери": ShowSolution
//                                               1 "Чисти": NewGame, empty Text1(0)
//   a press on the list     -> List1_MouseDown  } a pick by the pick rule
//   a key in the list       -> List1_KeyDown    } (form/pickrule.h): select the item,
//                                               } then List1_Click
//   List1_Click             -> Game::pick on the selected item
//
// After a pick, "Провери" and "Чисти" the handlers announce what changed (the
// remainder, the verdict, the divisor, a new game) for a screen reader; a pick that
// changes nothing announces nothing.
//
// A run-time error inside any handler is reported through the surface in Bulgarian,
// and the program goes on: nothing escapes into the toolkit's event loop.

#include "form/pickrule.h"
#include "game/fractionsource.h"
#include "game/game.h"

#include <memory>

class FormSurface;

class FormHandlers
{
public:
    // Without a fraction source the game draws from a clock-seeded one.
    explicit FormHandlers(FormSurface &surface, std::unique_ptr<FractionSource> source = {});

    void Form_Load();
    void Command1_Click(int index);
    // The player picked the selected item of List1.
    void List1_Click();
    void List1_MouseDown(const PickRule::Press &press);
    // Returns whether the key was the list's (see PickRule::belongsToList), so the
    // front end keeps it from its toolkit.
    bool List1_KeyDown(const PickRule::KeyPress &key);

    [[nodiscard]] const Game &game() const noexcept { return gameLogic; }

private:
    void pickRow(int row);
    void pickSelected();
    template<typename Work>
    void reportingErrors(Work work);

    FormSurface &form;
    std::unique_ptr<FractionSource> fractions;
    Game gameLogic;
};
