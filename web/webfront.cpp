// SPDX-License-Identifier: MIT
#include "web/webfront.h"

#include <algorithm>
#include <array>
#include <cmath>
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

// A second tap this soon after the first and this close to it (in CSS pixels)
// completes a double tap, as a second click does a double click.
constexpr double doubleTapMilliseconds = 500.0;
constexpr double doubleTapDistance = 24.0;

bool isOption(const val &element)
{
    return element["tagName"].as<std::string>() == "OPTION";
}

// The height of one option of the list box, 0 when it has none.
int rowHeight(const val &list)
{
    const val first = list["options"][0];
    return first.isUndefined() ? 0 : first["offsetHeight"].as<int>();
}

} // namespace

WebFront::WebFront(val host, const Catalogue &texts, std::unique_ptr<FractionSource> source)
    : form(buildForm(std::move(host), texts))
    , handlers(form, texts, std::move(source))
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
    const val target = event["target"];
    if (!isOption(target)
        && event["offsetX"].as<double>() >= form.controls().list1["clientWidth"].as<double>()) {
        return; // the scroll bar: the browser scrolls the list
    }
    // The browser's own list box would select on the press and again while dragging;
    // the handlers decide instead.
    event.call<void>("preventDefault");
    pressList(target, event["button"].as<int>(), std::max(event["detail"].as<int>(), 1));
}

void WebFront::list1TouchEnd(const val &event)
{
    // Once a finger moves beyond a tap, the browser scrolls (or zooms) with it and makes
    // the touch's end uncancelable; another finger still down makes it no tap either.
    if (!event["cancelable"].as<bool>() || event["touches"]["length"].as<int>() > 0)
        return;
    const val target = event["target"];
    if (!isOption(target))
        return; // the empty area or the scroll bar: no item, the browser's own
    // A tap's end: the browser's list box would select the item by its own rules.
    event.call<void>("preventDefault");
    const val touch = event["changedTouches"][0];
    const Tap tap{event["timeStamp"].as<double>(), touch["clientX"].as<double>(),
                  touch["clientY"].as<double>(), 1};
    if (tap.time - lastTap.time <= doubleTapMilliseconds
        && std::hypot(tap.x - lastTap.x, tap.y - lastTap.y) <= doubleTapDistance) {
        lastTap = {tap.time, tap.x, tap.y, lastTap.count + 1};
    } else {
        lastTap = tap;
    }
    pressList(target, 0, lastTap.count);
}

void WebFront::pressList(const val &target, int button, int clickCount)
{
    // A press gives the list the focus, as the browser's list box would.
    form.controls().list1.call<void>("focus");
    const int row = isOption(target) ? target["index"].as<int>() : -1;
    handlers.List1_MouseDown({ruleButton(button), clickCount, row});
}

void WebFront::list1KeyDown(const val &event)
{
    const auto name = event["key"].as<std::string>();
    const bool command = event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() || event["metaKey"].as<bool>();
    const val &list = form.controls().list1;
    const PickRule::KeyPress key{ruleKey(name), name, command, list["clientHeight"].as<int>(), rowHeight(list)};
    if (handlers.List1_KeyDown(key))
        event.call<void>("preventDefault");
}
