// SPDX-License-Identifier: MIT
#include "web/formpage.h"

#include "form/formdesign.h"
#include "form/formtexts.h"
#include "web/showntext.h"

#include <string>
#include <string_view>

using emscripten::val;

namespace {

std::string pixels(int value)
{
    return std::to_string(value) + "px";
}

std::string cssColour(const FormDesign::Rgb &colour)
{
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", "
        + std::to_string(colour.blue) + ")";
}

void place(val &element, const FormDesign::Rect &twips)
{
    const FormDesign::Rect rect = FormDesign::toPixels(twips);
    val style = element["style"];
    style.set("left", pixels(rect.left));
    style.set("top", pixels(rect.top));
    style.set("width", pixels(rect.width));
    style.set("height", pixels(rect.height));
}

void setAttribute(val &element, const char *name, std::string_view value)
{
    element.call<void>("setAttribute", std::string(name), std::string(value));
}

// Every control carries the id of its name on the form, such as "Text2_0".
val addControl(val &host, const char *tag, const FormDesign::Rect &twips, const std::string &id)
{
    val element = val::global("document").call<val>("createElement", std::string(tag));
    place(element, twips);
    element.set("id", id);
    host.call<void>("append", element);
    return element;
}

// A label, named by its caption. One that stands before a control is a <label> of it,
// which also names the control; the title is the page's heading.
val addLabel(val &host, const FormDesign::Rect &twips, std::string_view caption, const std::string &id,
             const std::string &labelFor = {})
{
    val label = addControl(host, labelFor.empty() ? "h1" : "label", twips, id);
    if (!labelFor.empty())
        label.set("htmlFor", labelFor);
    label.set("className", std::string("label"));
    label["style"].set("backgroundColor", cssColour(FormDesign::labelBackground));
    label.set("textContent", shownText(caption));
    return label;
}

// A box, named by its label; what it is for is its description.
val addBox(val &host, const FormDesign::Rect &twips, const std::string &id, std::string_view purpose)
{
    val box = addControl(host, "input", twips, id);
    box.set("type", std::string("text"));
    box.set("readOnly", true);
    setAttribute(box, "aria-description", purpose);
    return box;
}

val addButton(val &host, const FormDesign::Rect &twips, const std::string &id,
              std::string_view caption, const FormDesign::Rgb &colour)
{
    val button = addControl(host, "button", twips, id);
    button.set("type", std::string("button"));
    button["style"].set("backgroundColor", cssColour(colour));
    button.set("textContent", std::string(caption));
    return button;
}

} // namespace

FormControls buildForm(val host)
{
    namespace Design = FormDesign;
    namespace Names = FormTexts::Accessible;

    place(host, {0, 0, Design::clientWidth, Design::clientHeight});
    host["style"].set("backgroundColor", cssColour(Design::formBackground));
    // Liberation Serif has the same metrics as Times New Roman; the page brings it, cut
    // down and renamed Rovalin Serif, for systems that have neither.
    host["style"].set("fontFamily", '"' + std::string(Design::fontFamily)
                                        + R"(", "Liberation Serif", "Rovalin Serif", serif)");
    host["style"].set("fontSize", std::to_string(Design::fontPointSize) + "pt");
    setAttribute(host, "aria-label", Names::window);

    // Document order is reading order: the title, the task, then each caption before
    // the box it names; the buttons come last, after the result box, as Tab visits them.
    val title = addLabel(host, Design::label1Title, FormTexts::title, "Label1_0");

    val text1 = addControl(host, "textarea", Design::text1Transcript, "Text1_0");
    text1.set("readOnly", true);
    setAttribute(text1, "aria-label", Names::transcript);

    val choose = addLabel(host, Design::label1Row[3], FormTexts::choose, "Label1_4", "List1");
    val list1 = addControl(host, "select", Design::list1, "List1");
    // More than one visible row makes a list box rather than a drop-down.
    list1.set("size", 7);
    setAttribute(list1, "aria-description", Names::list);

    val firstNumber = addLabel(host, Design::label1Row[0], FormTexts::firstNumber, "Label1_1", "Text2_0");
    setAttribute(firstNumber, "aria-description", Names::firstNumberLabel);
    val firstRemainder = addBox(host, Design::text2[0], "Text2_0", Names::firstRemainder);
    val secondNumber = addLabel(host, Design::label1Row[1], FormTexts::secondNumber, "Label1_2", "Text2_1");
    setAttribute(secondNumber, "aria-description", Names::secondNumberLabel);
    val secondRemainder = addBox(host, Design::text2[1], "Text2_1", Names::secondRemainder);
    val solution = addLabel(host, Design::label1Row[2], FormTexts::solution, "Label1_3", "Text2_2");
    val result = addBox(host, Design::text2[2], "Text2_2", Names::result);

    val check = addButton(host, Design::command1[0], "Command1_0", FormTexts::check,
                          Design::checkButtonBackground);
    val clear = addButton(host, Design::command1[1], "Command1_1", FormTexts::clear,
                          Design::clearButtonBackground);

    // What a screen reader is told after each step: one pixel, clipped away, so that it
    // stays in the accessibility tree but never shows.
    constexpr int onePixel = Design::twipsPerPixel;
    val announcement = addControl(host, "div", {0, 0, onePixel, onePixel}, "announcement");
    announcement.set("className", std::string("announcement"));
    setAttribute(announcement, "role", "status");

    return {host,
            {title, firstNumber, secondNumber, solution, choose},
            {firstRemainder, secondRemainder, result},
            text1,
            list1,
            {check, clear},
            announcement};
}
