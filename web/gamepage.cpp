// SPDX-License-Identifier: MIT
// The game on the page: the form's handlers, the page's form as their surface, and
// the language the page speaks, compiled to WebAssembly.
//
// The page's script (web/rovalin.js) is the page's side of the form, as GameForm is
// the window's: it finds the controls, listens to their events, tells what each event
// is in the pick rule's terms (form/pickrule.h) and calls the exports below, each of
// which is one handler. Everything the handlers write goes to the imports below, one
// call per write, which the script carries out on the page. Texts cross as UTF-8 at an
// address of the module's memory and a length. The module needs no runtime of its own
// beyond this, and raises no exceptions: the game's run-time errors are values.

#include "form/catalogue.h"
#include "form/controltable.h"
#include "form/formhandlers.h"
#include "form/formsurface.h"
#include "form/formtexts.h"
#include "form/pickrule.h"
#include "form/showntext.h"
#include "game/fractionsource.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What the page's script carries out for the module.
extern "C" {
[[clang::import_module("page"), clang::import_name("setCaption")]] void pageSetCaption(const char *text,
                                                                                          std::size_t length);
[[clang::import_module("page"), clang::import_name("setLabel1Caption")]] void
pageSetLabel1Caption(int index, const char *text, std::size_t length);
[[clang::import_module("page"), clang::import_name("setText2")]] void pageSetText2(int index, const char *text,
                                                                                    std::size_t length);
[[clang::import_module("page"), clang::import_name("setText2Locked")]] void pageSetText2Locked(bool locked);
[[clang::import_module("page"), clang::import_name("setText1")]] void pageSetText1(const char *text,
                                                                                    std::size_t length);
// The items one after another, each ended by a line break.
[[clang::import_module("page"), clang::import_name("setList1Items")]] void pageSetList1Items(const char *items,
                                                                                              std::size_t length);
[[clang::import_module("page"), clang::import_name("list1ListIndex")]] int pageList1ListIndex();
[[clang::import_module("page"), clang::import_name("setList1ListIndex")]] void pageSetList1ListIndex(int index);
[[clang::import_module("page"), clang::import_name("announce")]] void pageAnnounce(const char *phrase,
                                                                                    std::size_t length);
[[clang::import_module("page"), clang::import_name("reportRunTimeError")]] void
pageReportRunTimeError(const char *message, std::size_t length);
[[clang::import_module("page"), clang::import_name("logProgrammingError")]] void
pageLogProgrammingError(const char *what, std::size_t length);
// A control of the form, by its name, shows caption (none for the list and the boxes)
// and is named and described for a screen reader as given (each empty for none).
[[clang::import_module("page"), clang::import_name("setControlTexts")]] void
pageSetControlTexts(const char *name, std::size_t nameLength, const char *caption, std::size_t captionLength,
                    const char *accessibleName, std::size_t accessibleNameLength, const char *description,
                    std::size_t descriptionLength);
}

namespace {

// The page's form: each write goes to the page's script, with a text of the form
// shown as form/showntext.h says.
class PageForm final : public FormSurface
{
public:
    void setCaption(std::string_view caption) override { pageSetCaption(caption.data(), caption.size()); }

    void setLabel1Caption(int index, std::string_view caption) override
    {
        const std::string shown = shownText(caption);
        pageSetLabel1Caption(index, shown.data(), shown.size());
    }

    void setText2(int index, std::string_view text) override
    {
        const std::string shown = shownText(text);
        pageSetText2(index, shown.data(), shown.size());
    }

    void setText2Locked(bool locked) override { pageSetText2Locked(locked); }

    void setText1(std::string_view text) override
    {
        const std::string shown = shownText(text);
        pageSetText1(shown.data(), shown.size());
    }

    void setList1Items(std::span<const std::string> items) override
    {
        std::string lines;
        for (const std::string &item : items)
            lines += item + '\n';
        pageSetList1Items(lines.data(), lines.size());
    }

    [[nodiscard]] int list1ListIndex() const override { return pageList1ListIndex(); }
    void setList1ListIndex(int index) override { pageSetList1ListIndex(index); }
    void announce(std::string_view phrase) override { pageAnnounce(phrase.data(), phrase.size()); }

    void reportRunTimeError(std::string_view message) override
    {
        pageReportRunTimeError(message.data(), message.size());
    }
};

// The texts of the page's language, as the page's script hands them over: the
// language's code, then each text in English and its translation, one after the other,
// each ended by a zero byte; and the direction it is written in.
class PageCatalogue final : public Catalogue
{
public:
    PageCatalogue(std::string_view fields, bool rightToLeft) : Catalogue(named(fields, rightToLeft))
    {
        fields.remove_prefix(std::min(fields.find('\0') + 1, fields.size()));
        for (std::size_t end = fields.find('\0'); end != std::string_view::npos; end = fields.find('\0')) {
            texts.emplace_back(fields.substr(0, end));
            fields.remove_prefix(end + 1);
        }
    }

    // A few dozen texts, looked up a few times a pick: a search is quick enough.
    [[nodiscard]] std::string translate(std::string_view text) const override
    {
        for (std::size_t at = 0; at + 1 < texts.size(); at += 2) {
            if (texts[at] == text)
                return texts[at + 1];
        }
        return std::string(text);
    }

private:
    // The language the fields name first.
    static Language::Entry named(std::string_view fields, bool rightToLeft)
    {
        const std::string code(fields.substr(0, fields.find('\0')));
        return Language::Entry{code, {}, rightToLeft, {}};
    }

    // Each text in English, then its translation.
    std::vector<std::string> texts;
};

// The page holds its texts, its form and the handlers for as long as it is open; the
// exports reach them here.
struct Page
{
    std::unique_ptr<PageCatalogue> texts;
    PageForm form;
    std::vector<float> testFractions;
    std::string received;
    std::unique_ptr<FormHandlers> handlers;
};

Page &page()
{
    static Page instance;
    return instance;
}

void setControlTexts(const FormDesign::Control &control, const Catalogue &texts)
{
    const std::string caption = control.caption.empty() ? std::string() : shownText(FormDesign::caption(control, texts));
    const std::string name = texts.translate(control.accessibleName);
    const std::string description = texts.translate(control.description);
    pageSetControlTexts(control.name.data(), control.name.size(), caption.data(), caption.size(), name.data(),
                        name.size(), description.data(), description.size());
}

PickRule::Button ruleButton(int domButton)
{
    switch (domButton) {
    case 0:
        return PickRule::Button::Left;
    case 1:
        return PickRule::Button::Middle;
    case 2:
        return PickRule::Button::Right;
    default:
        return PickRule::Button::Other;
    }
}

} // namespace

extern "C" {

// Room for size bytes that the script writes into: the texts of the page's language
// and the characters of the keys pressed. Each call hands out the same room, made
// larger when needed.
[[clang::export_name("receive")]] char *receive(std::size_t size)
{
    std::string &received = page().received;
    received.assign(size, '\0');
    return received.data();
}

// A fraction the game draws a hidden number from, before the form is loaded: the
// page's tests choose the games they play with them.
[[clang::export_name("useTestFraction")]] void useTestFraction(float fraction)
{
    page().testFractions.push_back(fraction);
}

// Loads the form in the language whose texts were just received, written right to
// left or not. markupLanguage is false when the page's markup was written in another
// language than the one shown: the controls then take this language's texts.
[[clang::export_name("formLoad")]] void formLoad(bool markupLanguage, bool rightToLeft)
{
    Page &state = page();
    state.texts = std::make_unique<PageCatalogue>(state.received, rightToLeft);
    const Catalogue &texts = *state.texts;
    if (!markupLanguage) {
        const std::string form = "rovalin";
        const std::string name = texts.translate(FormTexts::programName);
        pageSetControlTexts(form.data(), form.size(), nullptr, 0, name.data(), name.size(), nullptr, 0);
        for (const FormDesign::Control &control : FormDesign::controls)
            setControlTexts(control, texts);
    }
    std::unique_ptr<FractionSource> fractions;
    if (state.testFractions.empty())
        fractions = std::make_unique<UniformFractionSource>();
    else
        fractions = std::make_unique<FixedFractions>(std::move(state.testFractions));
    state.handlers = std::make_unique<FormHandlers>(
        state.form, texts, [](std::string_view what) { pageLogProgrammingError(what.data(), what.size()); },
        std::move(fractions), clockSeed);
    state.handlers->Form_Load();
}

[[clang::export_name("command1Click")]] void command1Click(int index)
{
    page().handlers->Command1_Click(index);
}

// A press on the list: the DOM's mouse button (0 left, 1 middle, 2 right), which
// press of a quick series it is, and the item under it, -1 for none.
[[clang::export_name("list1MouseDown")]] void list1MouseDown(int button, int clickCount, int row)
{
    page().handlers->List1_MouseDown({ruleButton(button), clickCount, row});
}

// A key on the list: the DOM's name of it, received, whether Ctrl, Alt or Meta is held
// and whether Alt or Meta is; the height of the list's view and of one of its rows.
// Returns whether the key is the list's, which the browser must then not handle.
[[clang::export_name("list1KeyDown")]] bool list1KeyDown(bool command, bool system, int viewHeight, int rowHeight)
{
    struct Named
    {
        std::string_view name;
        PickRule::Key key;
    };
    static constexpr std::array<Named, 8> keys{{
        {"ArrowDown", PickRule::Key::Down},
        {"ArrowUp", PickRule::Key::Up},
        {"ArrowRight", PickRule::Key::Right},
        {"ArrowLeft", PickRule::Key::Left},
        {"Home", PickRule::Key::Home},
        {"End", PickRule::Key::End},
        {"PageDown", PickRule::Key::PageDown},
        {"PageUp", PickRule::Key::PageUp},
    }};
    const std::string_view name = page().received;
    const auto named =
        std::find_if(keys.begin(), keys.end(), [name](const Named &entry) { return entry.name == name; });
    // A key that types one character is named by it; every other name is a word.
    const auto startsCharacter = [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; };
    PickRule::Key key = PickRule::Key::Other;
    if (named != keys.end())
        key = named->key;
    else if (std::count_if(name.begin(), name.end(), startsCharacter) == 1)
        key = PickRule::Key::Character;
    return page().handlers->List1_KeyDown({key, name, command, system, viewHeight, rowHeight});
}

// How many picks the current game has counted: the one part of the game the page does
// not show, read by the page's tests to tell a pick that changes nothing on the form
// from no pick at all.
[[clang::export_name("pickCount")]] int pickCount()
{
    return page().handlers->game().state().pickCount;
}

} // extern "C"
