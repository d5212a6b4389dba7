// SPDX-License-Identifier: MIT
// Prints, as JSON, what the page's tests check the page against and cannot read from
// a file of their own: the form's control table (form/controltable.h) with the rects
// in pixels and the texts as written (in English, the catalogues' keys), the form's
// texts by their names in form/formtexts.h, and the whole games of the scenario table
// with what the form shows along each (tests/scenarios/expectedtexts.h), each text
// still to be put into a language as [word, value in a language written left to right,
// value in one written right to left].

#include "expectedtexts.h"

#include "form/controltable.h"
#include "form/formtexts.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <string>

using nlohmann::json;

namespace {

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

json rgb(const FormDesign::Rgb &colour)
{
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", "
        + std::to_string(colour.blue) + ")";
}

json pixels(const FormDesign::Rect &twips)
{
    const FormDesign::Rect rect = FormDesign::toPixels(twips);
    return {rect.left, rect.top, rect.width, rect.height};
}

// A text as [word, value left to right, value right to left].
json shown(const ShownText &text)
{
    return {text.word, shownValue(text, false), shownValue(text, true)};
}

json shown(const std::vector<ShownText> &texts)
{
    json list = json::array();
    for (const ShownText &text : texts)
        list.push_back(shown(text));
    return list;
}

} // namespace

int main()
{
    json table;
    table["form"] = {{"rect", pixels(FormDesign::client)},
                     {"background", rgb(FormDesign::formBackground)},
                     {"name", FormTexts::programName},
                     {"fontFamily", FormDesign::fontFamily},
                     {"fontMetricTwin", FormDesign::fontMetricTwin},
                     {"fontPointSize", FormDesign::fontPointSize}};
    for (const FormDesign::Control &control : FormDesign::controls) {
        table["controls"].push_back({{"name", control.name},
                                     {"kind", kindName(control.kind)},
                                     {"rect", pixels(control.rect)},
                                     {"caption", control.caption},
                                     {"accessibleName", control.accessibleName},
                                     {"description", control.description},
                                     {"labelledBy", control.labelledBy},
                                     {"tabIndex", control.tabIndex},
                                     {"takesFocus", FormDesign::takesFocus(control.kind)},
                                     {"background", control.background ? rgb(*control.background) : json()}});
    }
    namespace Texts = FormTexts;
    table["texts"] = {
        {"programName", Texts::programName},
        {"firstNumber", Texts::firstNumber},
        {"secondNumber", Texts::secondNumber},
        {"overflowError", Texts::overflowError},
        {"pressClear", Texts::pressClear},
        {"newGame", Texts::Announcement::newGame},
        {"languageName", Texts::languageName},
        {"languages", Texts::languages},
    };
    for (const GameRow &game : gameTable()) {
        table["games"].push_back({{"name", game.name},
                                  {"hidden", game.hidden},
                                  {"picks", game.picks},
                                  {"remainders", game.remainders},
                                  {"divisor", game.divisor},
                                  {"secondList", Expected::secondList(game)},
                                  {"transcript", shown(Expected::transcriptLines(game))},
                                  {"verdict", shown(Expected::verdict(game))},
                                  {"announcements", shown(Expected::announcements(game))}});
    }
    std::cout << table.dump() << '\n';
    return 0;
}
