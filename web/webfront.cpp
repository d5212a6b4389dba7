// SPDX-License-Identifier: MIT
#include "web/webfront.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

using emscripten::val;

namespace {

PickRule::Button ruleButton(int button)
{
    switch (button) {
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

PickRule::Key ruleKey(const std::string &name)
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
    for (const Named &named : keys) {
        if (named.name == name)
            return named.key;
    }
    // A key that types one character is named by it; every other name is a word.
    const auto startsCharacter = [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; };
    const auto characters = std::count_if(name.begin(), name.end(), startsCharacter);
    return characters == 1 ? PickRule::Key::Character : PickRule::Key::Other;
}

// How many whole options the list box shows at once.
int rowsInView(const val &list)
{
    const val first = list["options"][0];
    if (first.isUndefined())
        return 1;
    const int rowHeight = first["offsetHeight"].as<int>();
    return rowHeight > 0 ? std::max(list["clientHeight"].as<int>() / rowHeight, 1) : 1;
}

} // namespace

WebFront::WebFront(val host)
    : form(buildForm(std::move(host)))
    , handlers(form)
{
}

void WebFront::formLoad()
{
    handlers.Form_Load();
    val host = form.controls().form;
    host.set("hidden", false);
    form.controls().text1.call<void>("focus");
}

void WebFront::command1Click(int index)
{
    handlers.Command1_Click(index);
}

void WebFront::list1MouseDown(const val &event)
{
    const val &list = form.controls().list1;
    const val target = event["target"];
    int row = -1;
    if (target["tagName"].as<std::string>() == "OPTION")
        row = target["index"].as<int>();
    else if (event["offsetX"].as<double>() >= list["clientWidth"].as<double>())
        return; // the scroll bar: the browser scrolls the list
    // The browser's own list box would select on the press and again while dragging;
    // the handlers decide instead, and the list still takes the focus.
    event.call<void>("preventDefault");
    list.call<void>("focus");
    const int clickCount = std::max(event["detail"].as<int>(), 1);
    handlers.List1_MouseDown({ruleButton(event["button"].as<int>()), clickCount, row});
}

void WebFront::list1KeyDown(const val &event)
{
    const auto name = event["key"].as<std::string>();
    const bool command = event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() || event["metaKey"].as<bool>();
    const PickRule::KeyPress key{ruleKey(name), name, command, rowsInView(form.controls().list1)};
    if (handlers.List1_KeyDown(key))
        event.call<void>("preventDefault");
}
