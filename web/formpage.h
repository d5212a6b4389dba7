// SPDX-License-Identifier: MIT
#pragma once

// The form as a piece of the page: the native controls of the desktop window, built
// into a host element from the control table (form/controltable.h).

#include <emscripten/val.h>

#include <array>
#include <string_view>

class Catalogue;

struct FormControls
{
    emscripten::val form;
    // Label1(0) to Label1(4), by their index.
    std::array<emscripten::val, 5> label1;
    std::array<emscripten::val, 3> text2;
    emscripten::val text1;
    emscripten::val list1;
    std::array<emscripten::val, 2> command1;
    // A polite live region, out of sight, for the phrases a screen reader announces.
    emscripten::val announcement;
};

// Fills host (still hidden) with the form as designed, in the language of texts.
[[nodiscard]] FormControls buildForm(emscripten::val host, const Catalogue &texts);

// Shows a text of the form in a text area, from its first line.
void showFromTheTop(emscripten::val &textArea, std::string_view text);
