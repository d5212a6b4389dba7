// SPDX-License-Identifier: MIT
// The page's entry point: chooses the language, loads its catalogue, builds the form
// into the page's host element, hands the controls' events to the form's handlers and
// loads the form.

#include "web/offline.h"
#include "web/pagecatalogue.h"
#include "web/pagefit.h"
#include "web/pagelanguage.h"
#include "web/webfront.h"

#include "form/formtexts.h"
#include "form/language.h"
#include "game/fractionsource.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <deque>
#include <memory>
#include <string>

using emscripten::val;

namespace {

// The page holds its texts and one form for as long as it is open. The DOM's
// listeners reach them through the functions bound below, which is why they cannot
// live in main().
struct Page
{
    std::vector<PageLanguage> languages;
    PageLanguage language;
    std::unique_ptr<Catalogue> texts;
    std::unique_ptr<WebFront> front;
};

Page &page()
{
    static Page instance;
    return instance;
}

// The fractions a script put in the global rovalinTestFractions before the page
// loaded, if any: the page's tests draw the hidden numbers they want with them, as the
// desktop tests hand the window a fraction source. Otherwise the game draws its own.
std::unique_ptr<FractionSource> fractionsGiven()
{
    const val given = val::global("rovalinTestFractions");
    if (!val::global("Array").call<bool>("isArray", given))
        return {};
    std::deque<float> fractions;
    for (int at = 0; at < given["length"].as<int>(); ++at)
        fractions.push_back(given[at].as<float>());
    return std::make_unique<FixedFractions>(std::move(fractions));
}

// The button listeners pass the DOM event along; Command1_Click has no use for it.
void command1Click(int index, const val & /*event*/)
{
    page().front->command1Click(index);
}

void list1MouseDown(const val &event)
{
    page().front->list1MouseDown(event);
}

void list1KeyDown(const val &event)
{
    page().front->list1KeyDown(event);
}

void list1TouchEnd(const val &event)
{
    page().front->list1TouchEnd(event);
}

// The height of the strip the language switch takes at the top; the form keeps as
// much free at the bottom, so that it stays centred.
double switchHeight()
{
    const val strip = val::global("document").call<val>("getElementById", std::string("languages"));
    return strip.isNull() ? 0.0 : strip["offsetHeight"].as<double>();
}

// The window's resize listener; the event tells nothing the fitting needs.
void windowResize(const val & /*event*/)
{
    fitToWindow(page().front->controls().form, switchHeight());
}

// How many picks the current game has counted: the one part of the game's state the
// page does not show, read by scripts (the page's tests) to tell a pick that changes
// nothing on the form from no pick at all.
int pickCount()
{
    return page().front->game().state().pickCount;
}

void listen(const val &target, const char *event, const val &handler)
{
    target.call<void>("addEventListener", std::string(event), handler);
}

val boundTo(const char *function, int index)
{
    return val::module_property(function).call<val>("bind", val::null(), index);
}

// Builds the form in the language of texts and shows it.
void start(std::unique_ptr<Catalogue> texts)
{
    Page &state = page();
    state.texts = std::move(texts);
    state.front = std::make_unique<WebFront>(
        val::global("document").call<val>("getElementById", std::string("rovalin")), *state.texts, fractionsGiven());
    const FormControls &controls = state.front->controls();
    addLanguageSwitch(state.languages, state.language, state.texts->translate(FormTexts::languages), controls.form);
    listen(controls.command1[0], "click", boundTo("command1Click", 0));
    listen(controls.command1[1], "click", boundTo("command1Click", 1));
    // Only the player's presses, taps and keys can pick; the list's change events,
    // which the browser raises by rules of its own, are not listened to. A tap on the
    // list box brings no mouse events: the browser selects on it by itself, so the end
    // of the touch is where the page tells a tap from a swipe.
    listen(controls.list1, "mousedown", val::module_property("list1MouseDown"));
    listen(controls.list1, "touchend", val::module_property("list1TouchEnd"));
    listen(controls.list1, "keydown", val::module_property("list1KeyDown"));
    // The form fills the window whatever its size, and again after every change of it.
    fitToWindow(controls.form, switchHeight());
    listen(val::global("window"), "resize", val::module_property("windowResize"));
    state.front->formLoad();
    keepOfflineCopy(state.language.code);
}

// The language's catalogue has loaded.
void catalogueLoaded(const val & /*event*/)
{
    start(std::make_unique<PageCatalogue>(val::global("rovalinTexts")));
}

} // namespace

EMSCRIPTEN_BINDINGS(rovalin)
{
    emscripten::function("command1Click", &command1Click);
    emscripten::function("list1MouseDown", &list1MouseDown);
    emscripten::function("list1KeyDown", &list1KeyDown);
    emscripten::function("list1TouchEnd", &list1TouchEnd);
    emscripten::function("windowResize", &windowResize);
    emscripten::function("pickCount", &pickCount);
    emscripten::function("catalogueLoaded", &catalogueLoaded);
}

int main()
{
    Page &state = page();
    state.languages = pageLanguages();
    state.language = chosenLanguage(state.languages);
    val::global("document")["documentElement"].set("lang", state.language.tag);
    if (state.language.code == Language::english) {
        start(std::make_unique<SourceTexts>());
        return 0;
    }
    // Only the language shown is loaded; the form is built once it is there.
    const val document = val::global("document");
    val script = document.call<val>("createElement", std::string("script"));
    script.set("src", "lang/" + state.language.code + ".js");
    listen(script, "load", val::module_property("catalogueLoaded"));
    document["head"].call<void>("append", script);
    return 0;
}
