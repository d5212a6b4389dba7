// SPDX-License-Identifier: MIT
#pragma once

// The form surface: the only way the game reaches the window.
//
// Data flows one way. A front end turns its toolkit's events into calls of the form's
// handlers (form/formhandlers.h), which decide what the event means and call into
// Game (game/game.h). The game and the handlers read and write the window
// exclusively through the operations below, named after the controls of the form:
// the captions of the form and of Label1(1) and Label1(2), the texts of the three
// small boxes Text2(0..2) and of the transcript box Text1(0), the lock of the result
// box Text2(2), and the pick list List1. The Qt window and the browser page implement
// this interface with their own controls; the tests implement it in memory.
//
// Texts are UTF-8; line breaks inside them are CR LF. The interface uses the
// standard library only, so the game stays independent of any toolkit.

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

    // Text2(index).Text, index 0 to 2. Reading returns exactly what was last written.
    [[nodiscard]] virtual std::string text2(int index) const = 0;
    virtual void setText2(int index, std::string_view text) = 0;

    // Text2(2).Locked: a locked box refuses the user's typing but still takes the
    // program's writes.
    virtual void setText2Locked(bool locked) = 0;

    // Text1(0).Text, the multi-line transcript box.
    [[nodiscard]] virtual std::string text1() const = 0;
    virtual void setText1(std::string_view text) = 0;

    // List1: Clear leaves nothing selected; AddItem appends. Neither, nor writing -1
    // to the selection, counts as the user's pick.
    virtual void list1Clear() = 0;
    virtual void list1AddItem(std::string_view text) = 0;
    // ListCount: how many items the list holds.
    [[nodiscard]] virtual int list1ListCount() const = 0;
    // List(index): the text of item index (from 0); empty when there is no such item.
    [[nodiscard]] virtual std::string list1Item(int index) const = 0;
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
