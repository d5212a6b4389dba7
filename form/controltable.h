// SPDX-License-Identifier: MIT
#pragma once

// The form's controls as designed, one row each, in reading order: each label comes
// just before the control it names. The window and the page create their controls
// in this order, which is also the order a screen reader meets them in; the Tab key
// visits the controls that take the focus in the order of their tab index. A control
// with a label is named by what that label shows, so that a screen reader says what
// the form shows; one without is named by its caption or its accessible name.
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
    std::string_view name{};
    // Its index in its control array: 0 for Text2(0), and 0 for List1, which is alone.
    int index = 0;
    ControlKind kind = ControlKind::Label;
    Rect rect{}; // in twips
    // What it shows as designed, a translatable text (see caption()); empty for
    // the list and the boxes, whose contents the game writes.
    std::string_view caption{};
    // Empty for a control named by its label or its caption; translatable.
    std::string_view accessibleName{};
    std::string_view description{};
    // The name of the label that names it; empty for none.
    std::string_view labelledBy{};
    // Its tab index as designed: Tab visits the controls that take the focus (every
    // kind but the labels) in this order.
    int tabIndex = 0;
    std::optional<Rgb> background{};
};

[[nodiscard]] constexpr bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Title && kind != ControlKind::Label;
}

// What control shows as designed, in the language of texts, as a text of the form
// (lines ended by CR LF): the title is followed by a line break, as designed.
[[nodiscard]] std::string caption(const Control &control, const Catalogue &texts);

inline constexpr std::array<Control, 12> controls{{
    {.name = "Label1_0", .index = 0, .kind = ControlKind::Title, .rect = {840, 0, 5295, 375},
     .caption = FormTexts::programName, .accessibleName = FormTexts::programName, .tabIndex = 2,
     .background = labelBackground},
    {.name = "Text1_0", .index = 0, .kind = ControlKind::Transcript, .rect = {120, 3240, 6615, 1815},
     .caption = FormTexts::taskStatement, .accessibleName = FormTexts::Accessible::transcript, .tabIndex = 0},
    {.name = "Label1_4", .index = 4, .kind = ControlKind::Label, .rect = {120, 600, 1095, 405},
     .caption = FormTexts::choose, .tabIndex = 12, .background = labelBackground},
    {.name = "List1", .index = 0, .kind = ControlKind::List, .rect = {120, 960, 1095, 2055},
     .description = FormTexts::Accessible::list, .labelledBy = "Label1_4", .tabIndex = 3},
    {.name = "Label1_1", .index = 1, .kind = ControlKind::Label, .rect = {1560, 600, 1335, 405},
     .caption = FormTexts::firstNumber, .description = FormTexts::Accessible::firstNumberLabel, .tabIndex = 9,
     .background = labelBackground},
    {.name = "Text2_0", .index = 0, .kind = ControlKind::TextBox, .rect = {2880, 600, 1215, 405},
     .description = FormTexts::Accessible::firstRemainder, .labelledBy = "Label1_1", .tabIndex = 4},
    {.name = "Label1_2", .index = 2, .kind = ControlKind::Label, .rect = {1560, 1680, 1335, 405},
     .caption = FormTexts::secondNumber, .description = FormTexts::Accessible::secondNumberLabel, .tabIndex = 10,
     .background = labelBackground},
    {.name = "Text2_1", .index = 1, .kind = ControlKind::TextBox, .rect = {2880, 1650, 1215, 405},
     .description = FormTexts::Accessible::secondRemainder, .labelledBy = "Label1_2", .tabIndex = 5},
    {.name = "Label1_3", .index = 3, .kind = ControlKind::Label, .rect = {1560, 2640, 1335, 405},
     .caption = FormTexts::solution, .tabIndex = 11, .background = labelBackground},
    {.name = "Text2_2", .index = 2, .kind = ControlKind::TextBox, .rect = {2880, 2640, 1215, 405},
     .description = FormTexts::Accessible::result, .labelledBy = "Label1_3", .tabIndex = 6},
    {.name = "Command1_0", .index = 0, .kind = ControlKind::Button, .rect = {4320, 600, 1455, 405},
     .caption = FormTexts::check, .tabIndex = 7, .background = checkButtonBackground},
    {.name = "Command1_1", .index = 1, .kind = ControlKind::Button, .rect = {4320, 2640, 1455, 405},
     .caption = FormTexts::clear, .tabIndex = 8, .background = clearButtonBackground},
}};

} // namespace FormDesign
