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

void setName(val &element, std::string_view name)
{
    element.call<void>("setAttribute", std::string("aria-label"), std::string(name));
}

val addControl(val &host, const char *tag, const FormDesign::Rect &twips)
{
    val element = val::global("document").call<val>("createElement", std::string(tag));
    place(element, twips);
    host.call<void>("append", element);
    return element;
}

val addLabel(val &host, const FormDesign::Rect &twips, std::string_view caption)
{
    val label = addControl(host, "div", twips);
    label.set("className", std::string("label"));
    label["style"].set("backgroundColor", cssColour(FormDesign::labelBackground));
    label.set("textContent", shownText(caption));
    return label;
}

// A label whose caption changes during the game; screen readers know it by its role.
val addNamedLabel(val &host, const FormDesign::Rect &twips, std::string_view caption,
                  std::string_view name)
{
    val label = addLabel(host, twips, caption);
    label.call<void>("setAttribute", std::string("role"), std::string("status"));
    setName(label, name);
    return label;
}

val addBox(val &host, const FormDesign::Rect &twips, std::string_view name)
{
    val box = addControl(host, "input", twips);
    box.set("type", std::string("text"));
    box.set("readOnly", true);
    setName(box, name);
    return box;
}

val addButton(val &host, const FormDesign::Rect &twips, std::string_view caption,
              const FormDesign::Rgb &colour)
{
    val button = addControl(host, "button", twips);
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
    // The bundled Liberation Serif has the same metrics as Times New Roman.
    host["style"].set("fontFamily",
                      '"' + std::string(Design::fontFamily) + R"(", "Liberation Serif", serif)");
    host["style"].set("fontSize", std::to_string(Design::fontPointSize) + "pt");
    setName(host, Names::window);

    // Document order is reading order: the title, the task, then each caption before
    // the box it names; the buttons come last, after the result box, as Tab visits them.
    val title = addLabel(host, Design::label1Title, FormTexts::title);

    val text1 = addControl(host, "textarea", Design::text1Transcript);
    text1.set("readOnly", true);
    setName(text1, Names::transcript);

    val choose = addLabel(host, Design::label1Row[3], FormTexts::choose);
    val list1 = addControl(host, "select", Design::list1);
    // More than one visible row makes a list box rather than a drop-down.
    list1.set("size", 7);
    setName(list1, Names::list);

    val firstNumber = addNamedLabel(host, Design::label1Row[0], FormTexts::firstNumber,
                                    Names::firstNumberLabel);
    val firstRemainder = addBox(host, Design::text2[0], Names::firstRemainder);
    val secondNumber = addNamedLabel(host, Design::label1Row[1], FormTexts::secondNumber,
                                     Names::secondNumberLabel);
    val secondRemainder = addBox(host, Design::text2[1], Names::secondRemainder);
    val solution = addLabel(host, Design::label1Row[2], FormTexts::solution);
    val result = addBox(host, Design::text2[2], Names::result);

    val check = addButton(host, Design::command1[0], FormTexts::check,
                          Design::checkButtonBackground);
    val clear = addButton(host, Design::command1[1], FormTexts::clear,
                          Design::clearButtonBackground);

    return {host,
            {title, firstNumber, secondNumber, solution, choose},
            {firstRemainder, secondRemainder, result},
            text1,
            list1,
            {check, clear}};
}
