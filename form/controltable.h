// SPDX-License-Identifier: MIT
#pragma once

// The form's controls as designed, one row each: the window and the page build their
// controls from this table, and their tests read it.
//
// The rows are in reading order, each label just before the control it names, which
// is the order the controls are created in and met by a screen reader; the Tab key
// visits the controls that take the focus in the order of their tab index. A control
// with a label is named by what that label shows (a screen reader says what the form
// shows); one without is named by its own caption, or by its accessible name.
// Text1(1), which the form never shows, is left out.

#include "form/formdesign.h"
#include "form/formtexts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

class Catalogue;

namespace FormDesign {

enum class ControlKind {
    Title,      // a label heading the form
    Label,      // a label before another control
    Transcript, // the multi-line box, read-only, with a vertical scroll bar
    TextBox,    // a one-line box, read-only unless the game unlocks it
    List,       // the list the player picks numbers from
    Button,
};

struct Control
{
    // The control's name on the form, as "Text2_0" for Text2(0): the window's object
    // name, the page's element id.
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    Rect rect; // in twips
    // What it shows as designed, a translatable text (see caption() below).
    std::string_view caption;
    // Empty for a control named by its label or its caption; translatable.
    std::string_view accessibleName;
    std::string_view description;
    // The name of the label that names it; empty for none.
    std::string_view labelledBy;
    // Its tab index as designed: Tab visits the controls that take the focus (every
    // kind but the labels) in this order.
    int tabIndex = 0;
    std::optional<Rgb> background;
};

[[nodiscard]] constexpr bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Title && kind != ControlKind::Label;
}

// What control shows as designed, in the language of texts, as a text of the form
// (lines ended by CR LF): the title is followed by a line break, as designed.
[[nodiscard]] std::string caption(const Control &control, const Catalogue &texts);

// A control's index in its control array: 1 for "Command1_1".
[[nodiscard]] constexpr int arrayIndex(const Control &control)
{
    int index = 0;
    for (const char digit : control.name.substr(control.name.rfind('_') + 1))
        index = index * 10 + (digit - '0');
    return index;
}

inline constexpr std::array<Control, 12> controls{{
    {"Label1_0", ControlKind::Title, {840, 0, 5295, 375}, FormTexts::programName, FormTexts::programName, {}, {}, 2,
     labelBackground},
    {"Text1_0", ControlKind::Transcript, {120, 3240, 6615, 1815}, FormTexts::taskStatement,
     FormTexts::Accessible::transcript, {}, {}, 0, std::nullopt},
    {"Label1_4", ControlKind::Label, {120, 600, 1095, 405}, FormTexts::choose, {}, {}, {}, 12,
     labelBackground},
    {"List1", ControlKind::List, {120, 960, 1095, 2055}, {}, {}, FormTexts::Accessible::list, "Label1_4", 3,
     std::nullopt},
    {"Label1_1", ControlKind::Label, {1560, 600, 1335, 405}, FormTexts::firstNumber, {},
     FormTexts::Accessible::firstNumberLabel, {}, 9, labelBackground},
    {"Text2_0", ControlKind::TextBox, {2880, 600, 1215, 405}, {}, {}, FormTexts::Accessible::firstRemainder,
     "Label1_1", 4, std::nullopt},
    {"Label1_2", ControlKind::Label, {1560, 1680, 1335, 405}, FormTexts::secondNumber, {},
     FormTexts::Accessible::secondNumberLabel, {}, 10, labelBackground},
    {"Text2_1", ControlKind::TextBox, {2880, 1650, 1215, 405}, {}, {}, FormTexts::Accessible::secondRemainder,
     "Label1_2", 5, std::nullopt},
    {"Label1_3", ControlKind::Label, {1560, 2640, 1335, 405}, FormTexts::solution, {}, {}, {}, 11,
     labelBackground},
    {"Text2_2", ControlKind::TextBox, {2880, 2640, 1215, 405}, {}, {}, FormTexts::Accessible::result,
     "Label1_3", 6, std::nullopt},
    {"Command1_0", ControlKind::Button, {4320, 600, 1455, 405}, FormTexts::check, {}, {}, {}, 7,
     checkButtonBackground},
    {"Command1_1", ControlKind::Button, {4320, 2640, 1455, 405}, FormTexts::clear, {}, {}, {}, 8,
     clearButtonBackground},
}};

} // namespace FormDesign
