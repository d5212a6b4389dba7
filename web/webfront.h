// SPDX-License-Identifier: MIT
#pragma once

#include "game/fractionsource.h"
#include "game/game.h"
#include "web/domform.h"

// The page's side of the game: the form, the fraction source and the game, and the
// three event handlers the page's events call. A RuntimeError from the game is
// reported to the player and the page stays usable.
class WebFront
{
public:
    explicit WebFront(emscripten::val host);
    WebFront(const WebFront &) = delete;
    WebFront &operator=(const WebFront &) = delete;

    // Form_Load: seeds the fractions from the clock and starts the first game, then
    // shows the form.
    void formLoad();
    // Command1_Click: Command1(0) "Провери" shows the solution; Command1(1) "Чисти"
    // starts a new game and empties the transcript.
    void command1Click(int index);
    // List1_Click: the player picked an item of List1.
    void list1Click();

    [[nodiscard]] const FormControls &controls() const noexcept { return form.controls(); }

private:
    template<typename Handler>
    void reportingErrors(Handler handler);

    DomForm form;
    UniformFractionSource fractions;
    Game game;
};
