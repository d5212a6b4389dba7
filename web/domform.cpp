// SPDX-License-Identifier: MIT
#include "web/domform.h"

#include "form/showntext.h"

#include <cstddef>
#include <string>
#include <utility>

using emscripten::val;

DomForm::DomForm(FormControls formControls)
    : page(std::move(formControls))
{
}

void DomForm::setCaption(std::string_view caption)
{
    val::global("document").set("title", std::string(caption));
}

void DomForm::setLabel1Caption(int index, std::string_view caption)
{
    page.label1.at(static_cast<std::size_t>(index)).set("textContent", shownText(caption));
}

void DomForm::setText2(int index, std::string_view text)
{
    page.text2.at(static_cast<std::size_t>(index)).set("value", shownText(text));
}

void DomForm::setText2Locked(bool locked)
{
    page.text2[2].set("readOnly", locked);
}

void DomForm::setText1(std::string_view text)
{
    showFromTheTop(page.text1, text);
}

void DomForm::setList1Items(std::span<const std::string> items)
{
    page.list1.set("textContent", std::string());
    for (const std::string &text : items) {
        val option = val::global("document").call<val>("createElement", std::string("option"));
        option.set("textContent", text);
        page.list1.call<void>("append", option);
    }
}

int DomForm::list1ListIndex() const
{
    return page.list1["selectedIndex"].as<int>();
}

void DomForm::setList1ListIndex(int index)
{
    page.list1.set("selectedIndex", index);
    if (index < 0)
        return;
    // A list box keeps its scroll position when the selection is set from a script;
    // the selected item is brought into view as a picked item is in the window.
    const val option = page.list1["options"][index];
    if (!option.isUndefined()) {
        val where = val::object();
        where.set("block", std::string("nearest"));
        option.call<void>("scrollIntoView", where);
    }
}

void DomForm::announce(std::string_view phrase)
{
    // Each phrase comes in a paragraph of its own, which replaces the one before: a
    // live region announces the elements added to it, even with the text it had,
    // whereas the same text set again ("Остатък 0" after "Остатък 0", "Нова игра"
    // after "Нова игра") is no change to Chromium, and Orca says nothing.
    val paragraph = val::global("document").call<val>("createElement", std::string("p"));
    paragraph.set("textContent", std::string(phrase));
    page.announcement.call<void>("replaceChildren", paragraph);
}

void DomForm::reportRunTimeError(std::string_view message)
{
    val::global("window").call<void>("alert", std::string(message));
}
