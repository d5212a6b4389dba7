// SPDX-License-Identifier: MIT
#pragma once

// The form's event handlers, written once for every front end.
//
// A front end (the Qt window, the browser page) builds the form's controls, offers
// them as a FormSurface and turns its toolkit's events into the calls below; it
// decides nothing itself. Each handler asks the game (game/game.h) and shows what it
// returns (form/gameview.h), then runs to completion:
//
//   the form is loaded      -> Form_Load        caption, seed the fractions from
//                                               the clock, NewGame
//   a button is pressed     -> Command1_Click   0 "Провери": ShowSolution
//                                               1 "Чисти": NewGame, empty Text1(0),
//                                                 announce the new game
//   a press on the list     -> List1_MouseDown  } the pick rule (form/pickrule.h)
//   a key in the list       -> List1_KeyDown    } says which item, if any, is picked
//                                               } -> List1_Click
//   List1_Click(row)        -> select the item, and the game's pick of the number
//                              the list offers there
//
// The game's own run-time errors are values of its outcomes; they reach the player
// through the surface, and the game goes on. An exception is a programming error: the
// player gets the same kind of message and a working program, and the error is
// logged, so that it cannot hide behind the player's message (the test suites fail on
// such a log line). The page is built without exceptions, and has none to catch.

#include "form/pickrule.h"
#include "game/fractionsource.h"
#include "game/game.h"

#include <functional>
#include <memory>
#include <string_view>

class Catalogue;
class FormSurface;

class FormHandlers
{
public:
    // Where programming errors are logged, by the front end's means.
    using ErrorLog = std::function<void(std::string_view what)>;

    // The handlers write to surface in the language of catalogue and log programming
    // errors to log. The game draws its hidden numbers from source, which Form_Load
    // seeds from clock.
    FormHandlers(FormSurface &surface, const Catalogue &catalogue, ErrorLog log,
                 std::unique_ptr<FractionSource> source, SeedClock clock);

    // Loads a form whose game is never played on surface: what every new game shows
    // before its first pick, for a front end that draws the form ahead of its game (the
    // page's markup, written at build time).
    static void loadUnplayed(FormSurface &surface, const Catalogue &catalogue, ErrorLog log);

    void Form_Load();
    void Command1_Click(int index);
    void List1_MouseDown(const PickRule::Press &press);
    // Returns whether the key was the list's (see PickRule::belongsToList), so the
    // front end keeps it from its toolkit.
    bool List1_KeyDown(const PickRule::KeyPress &key);

    [[nodiscard]] const Game &game() const noexcept { return gameLogic; }

private:
    // The player picked the item at row of List1: every pick, by a press or by a key,
    // comes this way.
    void List1_Click(int row);
    template<typename Work>
    void guarded(Work work);

    FormSurface &form;
    const Catalogue &texts;
    std::unique_ptr<FractionSource> fractions;
    SeedClock seedClock;
    ErrorLog logError;
    Game gameLogic;
};
