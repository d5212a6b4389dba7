// SPDX-License-Identifier: MIT
#pragma once

#include "form/formhandlers.h"
#include "web/domform.h"

#include <memory>

// The page's side of the form: the controls as a DomForm, and the page's events
// turned into calls of the form's handlers. It decides nothing about the game.
class WebFront
{
public:
    // The form speaks the language of texts. Without a fraction source the game draws
    // from a clock-seeded one.
    WebFront(emscripten::val host, const Catalogue &texts, std::unique_ptr<FractionSource> source = {});
    WebFront(const WebFront &) = delete;
    WebFront &operator=(const WebFront &) = delete;

    // Runs Form_Load, then shows the form with the focus in Text1(0), as the window
    // opens.
    void formLoad();
    void command1Click(int index);
    // A mousedown and a keydown on List1, as the DOM delivers them.
    void list1MouseDown(const emscripten::val &event);
    void list1KeyDown(const emscripten::val &event);
    // A touchend on List1: the end of a tap is a press; the end of a swipe, which the
    // browser has taken over to scroll, is nothing.
    void list1TouchEnd(const emscripten::val &event);

    [[nodiscard]] const FormControls &controls() const noexcept { return form.controls(); }
    [[nodiscard]] const Game &game() const noexcept { return handlers.game(); }

private:
    // Where and when the last tap ended, to count a quick second tap on the same spot
    // as the press completing a double click, as the browser counts mouse clicks.
    struct Tap
    {
        double time = 0.0;
        double x = 0.0;
        double y = 0.0;
        int count = 0;
    };

    void pressList(const emscripten::val &target, int button, int clickCount);

    DomForm form;
    FormHandlers handlers;
    Tap lastTap;
};
