// SPDX-License-Identifier: MIT
// The page's entry point: builds the form into the page's host element, hands the
// controls' events to the handlers and loads the form.

#include "web/webfront.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace {

// The page holds one form for as long as it is open. The DOM's listeners reach it
// through the functions bound below, which is why it cannot live in main().
WebFront &front()
{
    static WebFront instance(
        val::global("document").call<val>("getElementById", std::string("rovalin")));
    return instance;
}

// The listeners pass the DOM event along; the handlers have no use for it.
void command1Click(int index, const val & /*event*/)
{
    front().command1Click(index);
}

void list1Click(const val & /*event*/)
{
    front().list1Click();
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
    emscripten::function("list1Click", &list1Click);
}

int main()
{
    WebFront &page = front();
    const FormControls &controls = page.controls();
    listen(controls.command1[0], "click", boundTo("command1Click", 0));
    listen(controls.command1[1], "click", boundTo("command1Click", 1));
    // A pick is the user's selection, by mouse or by keyboard; the program's own
    // changes to the list raise no change event.
    listen(controls.list1, "change", val::module_property("list1Click"));
    page.formLoad();
    return 0;
}
