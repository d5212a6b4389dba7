// SPDX-License-Identifier: MIT
// The page's entry point: builds the form into the page's host element, hands the
// controls' events to the form's handlers and loads the form.

#include "web/offline.h"
#include "web/pagefit.h"
#include "web/webfront.h"

#include "game/fractionsource.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <deque>
#include <memory>
#include <string>

using emscripten::val;

namespace {

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

// The page holds one form for as long as it is open. The DOM's listeners reach it
// through the functions bound below, which is why it cannot live in main().
WebFront &front()
{
    static WebFront instance(val::global("document").call<val>("getElementById", std::string("rovalin")),
                             fractionsGiven());
    return instance;
}

// The button listeners pass the DOM event along; Command1_Click has no use for it.
void command1Click(int index, const val & /*event*/)
{
    front().command1Click(index);
}

void list1MouseDown(const val &event)
{
    front().list1MouseDown(event);
}

void list1KeyDown(const val &event)
{
    front().list1KeyDown(event);
}

void list1TouchEnd(const val &event)
{
    front().list1TouchEnd(event);
}

// The window's resize listener; the event tells nothing the fitting needs.
void windowResize(const val & /*event*/)
{
    fitToWindow(front().controls().form);
}

// How many picks the current game has counted: the one part of the game's state the
// page does not show, read by scripts (the page's tests) to tell a pick that changes
// nothing on the form from no pick at all.
int pickCount()
{
    return front().game().state().pickCount;
}

void listen(const val &target, const char *event, const val &handler)
{
    target.call<void>("addEventListener", std::string(event), handler);
}

val boundTo(const char *function, int index)
{
    return val::module_property(function).call<val>("bind", val::null(), index);
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
}

int main()
{
    WebFront &page = front();
    const FormControls &controls = page.controls();
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
    fitToWindow(controls.form);
    listen(val::global("window"), "resize", val::module_property("windowResize"));
    page.formLoad();
    keepOfflineCopy();
    return 0;
}
