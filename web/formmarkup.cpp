// SPDX-License-Identifier: MIT
// Writes the page's form into its markup at build time, so that the browser draws the
// form as soon as it has read index.html and its style sheet, before any script has
// run: the controls of the control table (form/controltable.h) in the language the
// page's markup is written in, showing what the form's own Form_Load writes to them
// (run here on a surface that keeps it), into index.html; their places, sizes, colours
// and the font into the style sheet. The game's script (web/rovalin.js) then finds the
// controls by their names.
//
// Usage: formmarkup INDEX_TEMPLATE LANGUAGE_TABLE OUT_DIR STYLE_SHEET...
// The markup is written in the table's fallback language (po/languages.py), the one the
// page speaks when none asked for is there, from its OUT_DIR/lang/LL.js, as
// web/catalogues.py writes it; the style sheets given are joined, in order, before the
// form's rules.

#include "form/catalogue.h"
#include "form/controltable.h"
#include "form/formdesign.h"
#include "form/formhandlers.h"
#include "form/formsurface.h"
#include "form/formtexts.h"
#include "form/showntext.h"

#include <nlohmann/json.hpp>

#include <array>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using FormDesign::ControlKind;

std::string fileText(const std::string &path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return text.str();
}

// A catalogue as the page loads it: a script that sets a global to the translations.
class ScriptCatalogue final : public Catalogue
{
public:
    ScriptCatalogue(const std::string &script, Language::Entry language)
        : Catalogue(std::move(language))
        , translations(nlohmann::json::parse(script.substr(script.find('=') + 1, script.rfind(';') - script.find('=') - 1)))
    {
    }

    [[nodiscard]] std::string translate(std::string_view text) const override
    {
        const auto found = translations.find(std::string(text));
        return found == translations.end() ? std::string(text) : found->get<std::string>();
    }

private:
    nlohmann::json translations;
};

// The catalogue of the language the markup is written in: the table's fallback, from
// the page's folder.
ScriptCatalogue markupCatalogue(const nlohmann::json &table, const std::string &pageDir)
{
    const std::string code = table.at("fallback").get<std::string>();
    for (const nlohmann::json &language : table.at("languages")) {
        if (language.at("code") == code)
            return ScriptCatalogue(fileText(pageDir + "/lang/" + code + ".js"),
                                   Language::Entry{code, language.at("tag").get<std::string>(),
                                                   language.at("dir") == "rtl", language.at("name").get<std::string>()});
    }
    throw std::runtime_error("the table of languages lacks its fallback, " + code);
}

// The form as Form_Load leaves it: what the handlers wrote, each text as the page shows
// it. Nothing is read back but the list's selection.
class LoadedForm final : public FormSurface
{
public:
    void setCaption(std::string_view text) override { caption = text; }
    void setLabel1Caption(int index, std::string_view text) override
    {
        label1.at(static_cast<std::size_t>(index)) = shownText(text);
    }
    void setText2(int index, std::string_view text) override
    {
        text2.at(static_cast<std::size_t>(index)) = shownText(text);
    }
    void setText2Locked(bool locked) override { text2Locked = locked; }
    void setText1(std::string_view text) override { text1 = shownText(text); }
    void setList1Items(std::span<const std::string> items) override
    {
        list1Items.assign(items.begin(), items.end());
        list1Selected = -1;
    }
    [[nodiscard]] int list1ListIndex() const override { return list1Selected; }
    void setList1ListIndex(int index) override { list1Selected = index; }
    // Nothing is said before the player does anything.
    void announce(std::string_view /*phrase*/) override {}
    void reportRunTimeError(std::string_view message) override { errors += std::string(message) + '\n'; }

    std::string caption;
    // Label1(0) to Label1(4): the handlers write Label1(1) and Label1(2), the others
    // stay as designed.
    std::array<std::string, 5> label1;
    std::array<std::string, 3> text2;
    bool text2Locked = true;
    // Empty while the handlers have not written it: the design's text stands.
    std::string text1;
    std::vector<std::string> list1Items;
    int list1Selected = -1;
    // What went wrong while loading, one message a line. (The form's library may be
    // built without exceptions, so nothing is thrown through it.)
    std::string errors;
};

std::string escaped(std::string_view text)
{
    std::string html;
    for (const char character : text) {
        switch (character) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += character;
        }
    }
    return html;
}

std::string attribute(std::string_view name, std::string_view value)
{
    return value.empty() ? std::string() : " " + std::string(name) + "=\"" + escaped(value) + '"';
}

// The control that the label called name names, if any.
std::string_view namedBy(std::string_view name)
{
    for (const FormDesign::Control &control : FormDesign::controls) {
        if (control.labelledBy == name)
            return control.name;
    }
    return {};
}

// What a control shows: what the handlers wrote to it when the form was loaded, else
// its caption as designed.
std::string shownCaption(const FormDesign::Control &control, const LoadedForm &loaded, const Catalogue &texts)
{
    const auto written = [](const std::string &text) { return text.empty() ? std::nullopt : std::optional(text); };
    std::optional<std::string> shown;
    if (control.kind == ControlKind::Label)
        shown = written(loaded.label1.at(static_cast<std::size_t>(control.index)));
    else if (control.kind == ControlKind::Transcript)
        shown = written(loaded.text1);
    if (shown)
        return *shown;
    return control.caption.empty() ? std::string() : shownText(FormDesign::caption(control, texts));
}

// A control as the page's native element, with the id of its name on the form. A
// label before a control is a <label> of it, which names the control; the title is
// the page's heading.
std::string element(const FormDesign::Control &control, const LoadedForm &loaded, const Catalogue &texts)
{
    const std::string names = attribute("id", control.name) + attribute("aria-label", texts.translate(control.accessibleName))
        + attribute("aria-description", texts.translate(control.description));
    const std::string caption = escaped(shownCaption(control, loaded, texts));
    switch (control.kind) {
    case ControlKind::Title:
        return "<h1" + names + " class=\"label\">" + caption + "</h1>";
    case ControlKind::Label:
        return "<label" + names + " class=\"label\"" + attribute("for", namedBy(control.name)) + ">" + caption
            + "</label>";
    case ControlKind::Transcript:
        return "<textarea" + names + " readonly>" + caption + "</textarea>";
    case ControlKind::TextBox: {
        // Every box is read-only but the result box, Text2(2), which the game unlocks.
        const std::size_t box = static_cast<std::size_t>(control.index);
        const bool readOnly = box != 2 || loaded.text2Locked;
        return "<input" + names + " type=\"text\"" + attribute("value", loaded.text2.at(box))
            + (readOnly ? " readonly" : "") + ">";
    }
    case ControlKind::List: {
        // Rows of List1 the list box shows: more than one makes a list box, not a
        // drop-down.
        std::string options;
        for (std::size_t row = 0; row < loaded.list1Items.size(); ++row) {
            const bool selected = static_cast<int>(row) == loaded.list1Selected;
            options += std::string(selected ? "<option selected>" : "<option>") + escaped(loaded.list1Items[row])
                + "</option>";
        }
        return "<select" + names + " size=\"7\">" + options + "</select>";
    }
    case ControlKind::Button:
        return "<button" + names + " type=\"button\">" + caption + "</button>";
    }
    return {};
}

std::string pixels(int value)
{
    return std::to_string(value) + "px";
}

std::string cssColour(const FormDesign::Rgb &colour)
{
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", "
        + std::to_string(colour.blue) + ")";
}

// Where the control sits: its start edge measured from the form's start edge, which is
// the left in a language written left to right and the right in one written right to
// left, so that the form is mirrored there.
std::string placed(std::string_view selector, const FormDesign::Rect &twips)
{
    const FormDesign::Rect rect = FormDesign::toPixels(twips);
    return std::string(selector) + " { inset-inline-start: " + pixels(rect.left) + "; top: " + pixels(rect.top)
        + "; width: " + pixels(rect.width) + "; height: " + pixels(rect.height) + ";";
}

std::string styleRules()
{
    const FormDesign::Rect form = FormDesign::toPixels(FormDesign::client);
    // The page brings Times New Roman's metric twin, cut down and renamed Rovalin
    // Serif, for systems that have neither; and for the letters neither has, each serif
    // beside it (FormDesign::companionSerifs) where the system has it, else its cut-down
    // copy: Amiri's, Rovalin Naskh, for the Arabic script, Noto Serif Armenian's, Rovalin
    // Armenian, for Armenian.
    std::string rules = "\n#rovalin { width: " + pixels(form.width) + "; height: " + pixels(form.height) + "; background-color: "
        + cssColour(FormDesign::formBackground) + "; font-family: \"" + std::string(FormDesign::fontFamily) + "\", \""
        + std::string(FormDesign::fontMetricTwin) + "\", \"Rovalin Serif\", \"" + std::string(FormDesign::companionSerifs[0])
        + "\", \"Rovalin Naskh\", \"" + std::string(FormDesign::companionSerifs[1])
        + "\", \"Rovalin Armenian\", serif; font-size: "
        + std::to_string(FormDesign::fontPointSize) + "pt; }\n";
    for (const FormDesign::Control &control : FormDesign::controls) {
        rules += placed("#" + std::string(control.name), control.rect);
        if (control.background)
            rules += " background-color: " + cssColour(*control.background) + ";";
        rules += " }\n";
    }
    // What a screen reader is told after each step: one pixel, clipped away, so that it
    // stays in the accessibility tree but never shows.
    rules += placed("#announcement", {0, 0, FormDesign::twipsPerPixel, FormDesign::twipsPerPixel}) + " }\n";
    return rules;
}

std::string formMarkup(const LoadedForm &loaded, const Catalogue &texts)
{
    std::string markup = "<main id=\"rovalin\"" + attribute("aria-label", texts.translate(FormTexts::programName)) + ">\n";
    // Document order is the table's reading order, which is also the order Tab visits
    // the controls that take the focus in.
    for (const FormDesign::Control &control : FormDesign::controls)
        markup += element(control, loaded, texts) + '\n';
    return markup + "<div id=\"announcement\" role=\"status\"></div>\n</main>";
}

// The style sheet as the browser needs it, which every visit loads: without its
// comments, which are for its readers, nor the blanks and line breaks a browser reads
// past: each run of them is one blank, and none is kept beside a brace, a semicolon or
// a comma, nor after a colon. (A blank before a colon would make a selector's
// pseudo-class one of a descendant, so it stays.)
std::string asServed(std::string sheet)
{
    for (std::size_t start = sheet.find("/*"); start != std::string::npos; start = sheet.find("/*", start)) {
        const std::size_t end = sheet.find("*/", start);
        sheet.erase(start, end == std::string::npos ? std::string::npos : end + 2 - start);
    }
    constexpr std::string_view needsNoBlankAfter = "{};:,";
    constexpr std::string_view needsNoBlankBefore = "{};,";
    std::string compact;
    for (const char character : sheet) {
        if (character == ' ' || character == '\n' || character == '\t') {
            if (!compact.empty() && compact.back() != ' ' && needsNoBlankAfter.find(compact.back()) == std::string_view::npos)
                compact += ' ';
            continue;
        }
        if (!compact.empty() && compact.back() == ' ' && needsNoBlankBefore.find(character) != std::string_view::npos)
            compact.pop_back();
        compact += character;
    }
    return compact + '\n';
}

void write(const std::string &path, const std::string &text)
{
    std::ofstream file(path);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::cerr << "usage: formmarkup INDEX_TEMPLATE LANGUAGE_TABLE OUT_DIR STYLE_SHEET...\n";
        return 2;
    }
    const std::string outDir = argv[3];
    const ScriptCatalogue texts = markupCatalogue(nlohmann::json::parse(fileText(argv[2])), outDir);
    LoadedForm loaded;
    FormHandlers::loadUnplayed(loaded, texts, [&loaded](std::string_view what) { loaded.errors += std::string(what) + '\n'; });
    if (!loaded.errors.empty()) {
        std::cerr << "formmarkup: loading the form failed: " << loaded.errors;
        return 1;
    }
    std::string index = fileText(argv[1]);
    for (const auto &[placeholder, text] :
         {std::pair<std::string, std::string>{"@LANG@", texts.language().tag},
          {"@FORM_WIDTH@", std::to_string(FormDesign::toPixels(FormDesign::client).width)},
          {"@FORM_HEIGHT@", std::to_string(FormDesign::toPixels(FormDesign::client).height)},
          {"@DIR@", texts.language().rightToLeft ? "rtl" : "ltr"},
          {"@TITLE@", escaped(loaded.caption)},
          {"@FORM@", formMarkup(loaded, texts)}})
        index.replace(index.find(placeholder), placeholder.size(), text);
    write(outDir + "/index.html", index);
    std::string sheet;
    for (int at = 4; at < argc; ++at)
        sheet += fileText(argv[at]);
    write(outDir + "/rovalin.css", asServed(sheet + styleRules()));
    return 0;
}
