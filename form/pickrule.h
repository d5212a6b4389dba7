// SPDX-License-Identifier: MIT
#pragma once

// What counts as the player's pick in List1, one rule for every front end. A front
// end describes each press and each key that reaches its list in the terms below and
// hands it to the form's handlers (form/formhandlers.h); nothing else its list does
// (its own selection changes, the focus arriving, the program's writes) is a pick.
//
//   input on the list                          nothing selected       item s selected
//   -----------------------------------------  ---------------------  ----------------------
//   left press on an item                      that item              that item, s as well
//   the press completing a double click; a     none                   none
//     right or middle press; a press off the
//     items; a release; a drag
//   Down, and Right (Left in a language        the first item         s + 1
//     written right to left)
//   Up, and Left (Right in a language          the last item          s - 1
//     written right to left)
//   Home / End                                 the first / last item  the first / last item
//   Page Down / Page Up                        the first / last item  s +/- (rows in view - 1)
//   a character, such as a digit               the first item that    the next item after s
//                                                begins with it         that begins with it,
//                                                                       going round
//   Space, Enter; any key with Ctrl, Alt, Meta none                   none
//
// A key held with Alt or Meta is never the list's: it goes on to the browser or the
// desktop, whose shortcuts they are (Alt+Left goes Back). With Ctrl, a key that moves
// in the list is still the list's, so that it moves nothing.
//
// Left and Right follow the reading direction: towards the end of a line is onwards.
// A key picks only an item other than the selected one and never runs off the list.
// Each pick rebuilds the list under the pointer, which is why the second press of a
// double click and the release after a drag must not pick from the new list.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace PickRule {

enum class Button { Left, Right, Middle, Other };

// A mouse button (or a finger) going down on the list.
struct Press
{
    Button button = Button::Left;
    // Which press of a quick series this is: 1, 2 for the press that completes a double
    // click, 3 for the next, which starts a new one, and so on.
    int clickCount = 1;
    // The item under the pointer, -1 when there is none (the empty area, the scroll bar).
    int row = -1;
};

enum class Key { Down, Up, Right, Left, Home, End, PageDown, PageUp, Character, Other };

// A key pressed while the list has the focus.
struct KeyPress
{
    Key key = Key::Other;
    // What a Character key types, in UTF-8.
    std::string_view character;
    // Ctrl, Alt or Meta held down: such keys are shortcuts, never picks.
    bool commandModifier = false;
    // Alt or Meta held down: the shortcut is the system's (the browser's, the
    // desktop's), which the list leaves alone.
    bool systemModifier = false;
    // The height of the list's view and of one of its rows, in the toolkit's units (0
    // for an empty list): Page Down and Page Up move by the whole rows in view less one.
    int viewHeight = 0;
    int rowHeight = 0;
};

// The item a press picks, if any.
[[nodiscard]] std::optional<int> rowPickedBy(const Press &press);

// The item a key picks, if any, in a list showing items, of which the item at row
// selected is selected (-1 when none is), on a form in a language written right to
// left or not.
[[nodiscard]] std::optional<int> rowPickedBy(const KeyPress &key, std::span<const std::string> items,
                                             int selected, bool rightToLeft);

// Whether the key is the list's to handle, even when it picks nothing: the front end
// keeps such keys from its toolkit's own list handling, which would move the selection
// by rules of its own. Tab, Enter, Escape, characters with Ctrl and every key with Alt or
// Meta go on to the toolkit.
[[nodiscard]] bool belongsToList(const KeyPress &key);

} // namespace PickRule
