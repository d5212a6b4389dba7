// SPDX-License-Identifier: MIT
// Prints the form's control table (form/controltable.h) as JSON, with the rects in
// pixels and the texts as written (in English, the catalogues' keys), and the form's
// texts by their names in form/formtexts.h, for the page's tests to read.

#include "form/controltable.h"
#include "form/formtexts.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string quoted(std::string_view text)
{
    std::string json = "\"";
    for (const char character : text) {
        if (character == '"' || character == '\\')
            json += '\\';
        if (character == '\n')
            json += "\\n";
        else
            json += character;
    }
    return json + '"';
}

const char *kindName(FormDesign::ControlKind kind)
{
    switch (kind) {
    case FormDesign::ControlKind::Title:
        return "title";
    case FormDesign::ControlKind::Label:
        return "label";
    case FormDesign::ControlKind::Transcript:
        return "transcript";
    case FormDesign::ControlKind::TextBox:
        return "text";
    case FormDesign::ControlKind::List:
        return "list";
    case FormDesign::ControlKind::Button:
        return "button";
    }
    return "";
}

std::string rgb(const FormDesign::Rgb &colour)
{
    return "\"rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", "
        + std::to_string(colour.blue) + ")\"";
}

std::string rect(const FormDesign::Rect &twips)
{
    const FormDesign::Rect pixels = FormDesign::toPixels(twips);
    return "[" + std::to_string(pixels.left) + ", " + std::to_string(pixels.top) + ", "
        + std::to_string(pixels.width) + ", " + std::to_string(pixels.height) + "]";
}

} // namespace

int main()
{
    std::string json = "{\"form\": {\"rect\": " + rect(FormDesign::client)
        + ", \"background\": " + rgb(FormDesign::formBackground)
        + ", \"name\": " + quoted(FormTexts::programName)
        + ", \"fontFamily\": " + quoted(FormDesign::fontFamily)
        + ", \"fontMetricTwin\": " + quoted(FormDesign::fontMetricTwin)
        + ", \"fontPointSize\": " + std::to_string(FormDesign::fontPointSize) + "},\n\"controls\": [";
    const char *separator = "\n";
    for (const FormDesign::Control &control : FormDesign::controls) {
        json += separator;
        separator = ",\n";
        json += "{\"name\": " + quoted(control.name) + ", \"kind\": \"" + kindName(control.kind) + "\", \"rect\": "
            + rect(control.rect) + ", \"caption\": " + quoted(control.caption)
            + ", \"accessibleName\": " + quoted(control.accessibleName)
            + ", \"description\": " + quoted(control.description) + ", \"labelledBy\": " + quoted(control.labelledBy)
            + ", \"tabIndex\": " + std::to_string(control.tabIndex)
            + ", \"takesFocus\": " + (FormDesign::takesFocus(control.kind) ? "true" : "false")
            + ", \"background\": " + (control.background ? rgb(*control.background) : "null") + "}";
    }
    json += "\n],\n\"texts\": {";
    namespace Texts = FormTexts;
    const std::pair<const char *, std::string_view> texts[] = {
        {"programName", Texts::programName},
        {"firstNumber", Texts::firstNumber},
        {"secondNumber", Texts::secondNumber},
        {"rightGuess", Texts::rightGuess},
        {"wrongGuess", Texts::wrongGuess},
        {"solutionHeading", Texts::solutionHeading},
        {"euclidHeading", Texts::euclidHeading},
        {"divisor", Texts::divisor},
        {"errorTitle", Texts::errorTitle},
        {"overflowError", Texts::overflowError},
        {"pressClear", Texts::pressClear},
        {"remainder", Texts::Announcement::remainder},
        {"newGame", Texts::Announcement::newGame},
        {"languageName", Texts::languageName},
        {"languages", Texts::languages},
        {"pageDescription", Texts::pageDescription},
    };
    separator = "\n";
    for (const auto &[name, text] : texts) {
        json += separator + quoted(name) + ": " + quoted(text);
        separator = ",\n";
    }
    std::puts((json + "}}").c_str());
    return 0;
}
