// SPDX-License-Identifier: MIT
#include "form/pickrule.h"

#include <algorithm>

namespace PickRule {

namespace {

bool moves(Key key)
{
    return key != Key::Character && key != Key::Other;
}

// The next item after selected (from the top when nothing is selected) whose text
// begins with character, going round the list; the selected item itself comes last.
std::optional<int> searched(std::string_view character, std::span<const std::string> items, int selected)
{
    const int count = static_cast<int>(items.size());
    for (int step = 1; step <= count; ++step) {
        const int row = (selected + step) % count;
        if (items[static_cast<std::size_t>(row)].starts_with(character))
            return row;
    }
    return std::nullopt;
}

// Left and Right as a language written left to right reads them.
Key inReadingDirection(Key key, bool rightToLeft)
{
    if (rightToLeft && key == Key::Left)
        return Key::Right;
    if (rightToLeft && key == Key::Right)
        return Key::Left;
    return key;
}

// Where a moving key lands: from nothing selected, the downward keys reach the first
// item and the upward keys the last, whatever their step.
int landing(Key key, int selected, int last, int page)
{
    const bool fresh = selected < 0;
    switch (key) {
    case Key::Down:
    case Key::Right:
        return fresh ? 0 : selected + 1;
    case Key::Up:
    case Key::Left:
        return fresh ? last : selected - 1;
    case Key::Home:
        return 0;
    case Key::End:
        return last;
    case Key::PageDown:
        return fresh ? 0 : selected + page;
    case Key::PageUp:
        return fresh ? last : selected - page;
    case Key::Character:
    case Key::Other:
        break;
    }
    return selected;
}

} // namespace

std::optional<int> rowPickedBy(const Press &press)
{
    const bool completesDoubleClick = press.clickCount % 2 == 0;
    if (press.button != Button::Left || completesDoubleClick || press.row < 0)
        return std::nullopt;
    return press.row;
}

std::optional<int> rowPickedBy(const KeyPress &key, std::span<const std::string> items, int selected,
                               bool rightToLeft)
{
    const int count = static_cast<int>(items.size());
    if (key.commandModifier || count <= 0)
        return std::nullopt;

    std::optional<int> row;
    if (key.key == Key::Character && !key.character.empty()) {
        row = searched(key.character, items, selected);
    } else if (moves(key.key)) {
        const int rowsInView = key.rowHeight > 0 ? key.viewHeight / key.rowHeight : 1;
        const int page = std::max(rowsInView - 1, 1);
        const int last = count - 1;
        row = std::clamp(landing(inReadingDirection(key.key, rightToLeft), selected, last, page), 0, last);
    }
    if (row == selected)
        return std::nullopt;
    return row;
}

bool belongsToList(const KeyPress &key)
{
    if (key.systemModifier)
        return false;
    return moves(key.key) || (key.key == Key::Character && !key.commandModifier);
}

} // namespace PickRule
