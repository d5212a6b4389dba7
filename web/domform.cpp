// SPDX-License-Identifier: MIT
#include "web/domform.h"

#include "form/formtexts.h"
#include "web/showntext.h"

#include <cstddef>
#include <utility>

using emscripten::val;

DomForm::DomForm(FormControls formControls)
    : page(std::move(formControls))
{
    // Text1(0) as designed; the boxes start out empty.
    setText1(FormTexts::taskStatement);
}

void DomForm::setCaption(std::string_view caption)
{
    val::global("document").set("title", std::string(caption));
}

void DomForm::setLabel1Caption(int index, std::string_view caption)
{
    page.label1.at(static_cast<std::size_t>(index)).set("textContent", shownText(caption));
}

std::string DomForm::text2(int index) const
{
    const WrittenText &box = boxes.at(static_cast<std::size_t>(index));
    const auto current = page.text2.at(static_cast<std::size_t>(index))["value"].as<std::string>();
    return current == box.shown ? box.written : current;
}

void DomForm::setText2(int index, std::string_view text)
{
    const auto at = static_cast<std::size_t>(index);
    val &element = page.text2.at(at);
    element.set("value", std::string(text));
    boxes.at(at) = {std::string(text), element["value"].as<std::string>()};
}

void DomForm::setText2Locked(bool locked)
{
    page.text2[2].set("readOnly", locked);
}

std::string DomForm::text1() const
{
    return transcript;
}

void DomForm::setText1(std::string_view text)
{
    transcript = text;
    page.text1.set("value", shownText(text));
}

void DomForm::list1Clear()
{
    items.clear();
    page.list1.set("textContent", std::string());
}

void DomForm::list1AddItem(std::string_view text)
{
    items.emplace_back(text);
    val option = val::global("document").call<val>("createElement", std::string("option"));
    option.set("textContent", std::string(text));
    page.list1.call<void>("append", option);
}

int DomForm::list1ListCount() const
{
    return static_cast<int>(items.size());
}

std::string DomForm::list1Item(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return {};
    return items[static_cast<std::size_t>(index)];
}

int DomForm::list1ListIndex() const
{
    return page.list1["selectedIndex"].as<int>();
}

void DomForm::setList1ListIndex(int index)
{
    page.list1.set("selectedIndex", index);
    // A list box keeps its scroll position when the selection is set from a script;
    // the selected item is brought into view as a picked item is in the window.
    if (index >= 0 && static_cast<std::size_t>(index) < items.size()) {
        val where = val::object();
        where.set("block", std::string("nearest"));
        page.list1["options"][index].call<void>("scrollIntoView", where);
    }
}

void DomForm::announce(std::string_view phrase)
{
    // Setting the text replaces the region's text node even for the same phrase twice
    // ("Нова игра" after "Нова игра"), so a screen reader hears it again.
    page.announcement.set("textContent", std::string(phrase));
}

void DomForm::reportRunTimeError(std::string_view message)
{
    val::global("window").call<void>("alert", std::string(message));
}
