// SPDX-License-Identifier: MIT
#include "web/formpage.h"

#include "form/catalogue.h"
#include "form/controltable.h"
#include "form/formtexts.h"
#include "form/showntext.h"

#include <algorithm>
#include <string>
#include <string_view>

using emscripten::val;
using FormDesign::ControlKind;

namespace {

// Rows of List1 the list box shows: more than one makes a list box, not a drop-down.
constexpr int listRows = 7;

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
    if (!value.empty())
        element.call<void>("setAttribute", std::string(name), std::string(value));
}

const char *tagFor(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Title:
        return "h1";
    case ControlKind::Label:
        return "label";
    case ControlKind::Transcript:
        return "textarea";
    case ControlKind::TextBox:
        return "input";
    case ControlKind::List:
        return "select";
    case ControlKind::Button:
        return "button";
    }
    return "div";
}

// The control that the label called name names, if any.
std::string_view namedBy(std::string_view name)
{
    const auto found = std::find_if(FormDesign::controls.begin(), FormDesign::controls.end(),
                                    [name](const FormDesign::Control &control) { return control.labelledBy == name; });
    return found == FormDesign::controls.end() ? std::string_view() : found->name;
}

// A control as the page's native element, with the id of its name on the form, such
// as "Text2_0". A label before a control is a <label> of it, which names the control;
// the title is the page's heading.
val addControl(val &host, const FormDesign::Control &control, const Catalogue &texts)
{
    val element = val::global("document").call<val>("createElement", std::string(tagFor(control.kind)));
    place(element, control.rect);
    element.set("id", std::string(control.name));
    switch (control.kind) {
    case ControlKind::Title:
    case ControlKind::Label:
        element.set("className", std::string("label"));
        element.set("textContent", shownText(caption(control, texts)));
        if (const std::string_view named = namedBy(control.name); !named.empty())
            element.set("htmlFor", std::string(named));
        break;
    case ControlKind::Transcript:
        element.set("readOnly", true);
        showFromTheTop(element, caption(control, texts));
        break;
    case ControlKind::TextBox:
        element.set("type", std::string("text"));
        element.set("readOnly", true);
        break;
    case ControlKind::List:
        element.set("size", listRows);
        break;
    case ControlKind::Button:
        element.set("type", std::string("button"));
        element.set("textContent", shownText(caption(control, texts)));
        break;
    }
    if (control.background)
        element["style"].set("backgroundColor", cssColour(*control.background));
    setAttribute(element, "aria-label", texts.translate(control.accessibleName));
    setAttribute(element, "aria-description", texts.translate(control.description));
    host.call<void>("append", element);
    return element;
}

} // namespace

void showFromTheTop(val &textArea, std::string_view text)
{
    textArea.set("value", shownText(text));
    // Setting a text area's text puts its caret at the end, and the browser scrolls to
    // the caret when the area takes the focus; the text is read from its first line.
    textArea.call<void>("setSelectionRange", 0, 0);
    textArea.set("scrollTop", 0);
}

FormControls buildForm(val host, const Catalogue &texts)
{
    place(host, FormDesign::client);
    host["style"].set("backgroundColor", cssColour(FormDesign::formBackground));
    // The page brings Times New Roman's metric twin, cut down and renamed Rovalin Serif,
    // for systems that have neither.
    host["style"].set("fontFamily", '"' + std::string(FormDesign::fontFamily) + R"(", ")"
                                        + std::string(FormDesign::fontMetricTwin) + R"(", "Rovalin Serif", serif)");
    host["style"].set("fontSize", std::to_string(FormDesign::fontPointSize) + "pt");
    setAttribute(host, "aria-label", texts.translate(FormTexts::programName));

    // Document order is the table's reading order, which is also the order Tab visits
    // the controls that take the focus in.
    const val none = val::undefined();
    FormControls controls{host, {none, none, none, none, none}, {none, none, none}, none, none, {none, none}, none};
    for (const FormDesign::Control &control : FormDesign::controls) {
        val element = addControl(host, control, texts);
        const auto index = static_cast<std::size_t>(control.index);
        switch (control.kind) {
        case ControlKind::Title:
        case ControlKind::Label:
            controls.label1.at(index) = element;
            break;
        case ControlKind::Transcript:
            controls.text1 = element;
            break;
        case ControlKind::TextBox:
            controls.text2.at(index) = element;
            break;
        case ControlKind::List:
            controls.list1 = element;
            break;
        case ControlKind::Button:
            controls.command1.at(index) = element;
            break;
        }
    }

    // What a screen reader is told after each step: one pixel, clipped away, so that it
    // stays in the accessibility tree but never shows.
    val announcement = val::global("document").call<val>("createElement", std::string("div"));
    place(announcement, {0, 0, FormDesign::twipsPerPixel, FormDesign::twipsPerPixel});
    announcement.set("id", std::string("announcement"));
    announcement.set("className", std::string("announcement"));
    setAttribute(announcement, "role", "status");
    host.call<void>("append", announcement);
    controls.announcement = announcement;
    return controls;
}
