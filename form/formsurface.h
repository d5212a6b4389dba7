// SPDX-License-Identifier: MIT
#pragma once

// The form surface: what the form's handlers show on the window, and the one thing
// they read back from it, the list's selection.
//
// A front end builds the form's controls (form/controltable.h), offers them to the
// handlers (form/formhandlers.h) as a FormSurface and turns its toolkit's events into
// handler calls. The handlers ask the game (game/game.h) and write what it returns
// through the operations below (form/gameview.h), named after the controls of the
// form: the window's caption, the captions of Label1(1) and Label1(2), the texts of the
// three small boxes Text2(0..2) and of the transcript box Text1(0), the lock of the
// result box Text2(2), and the pick list List1. The game keeps its own numbers, so no
// text is ever read back. The Qt window and the browser page implement this interface
// with their own controls; the tests implement it in memory.
//
// Texts are UTF-8; line breaks inside them are CR LF, which a front end shows as
// form/showntext.h says. The interface uses the standard library only.

#include <span>
#include <string>
#include <string_view>

class FormSurface
{
public:
    virtual ~FormSurface() = default;

    // The form's Caption, the window's title.
    virtual void setCaption(std::string_view caption) = 0;

    // Label1(index).Caption, index 1 or 2.
    virtual void setLabel1Caption(int index, std::string_view caption) = 0;

    // Text2(index).Text, index 0 to 2.
    virtual void setText2(int index, std::string_view text) = 0;

    // Text2(2).Locked: a locked box refuses the user's typing but still takes the
    // program's writes.
    virtual void setText2Locked(bool locked) = 0;

    // Text1(0).Text, the multi-line transcript box.
    virtual void setText1(std::string_view text) = 0;

    // List1 shows items, in order, and nothing is selected: Clear, then AddItem of each
    // item, in one call. Neither this nor writing -1 to the selection counts as the
    // user's pick.
    virtual void setList1Items(std::span<const std::string> items) = 0;
    // ListIndex: the selected item, -1 when none is selected.
    [[nodiscard]] virtual int list1ListIndex() const = 0;
    virtual void setList1ListIndex(int index) = 0;

    // Tells a screen reader, without moving the focus, a short phrase saying what has
    // just changed: the remainder shown, the verdict, the divisor, a new game.
    virtual void announce(std::string_view phrase) = 0;

    // Tells the player, in the front end's usual way (a message box, an alert), that a
    // calculation failed. The program goes on after it.
    virtual void reportRunTimeError(std::string_view message) = 0;

protected:
    FormSurface() = default;
    FormSurface(const FormSurface &) = default;
    FormSurface &operator=(const FormSurface &) = default;
};
