// SPDX-License-Identifier: MIT
#include "memoryform.h"

#include <algorithm>
#include <stdexcept>

void MemoryForm::setCaption(std::string_view text)
{
    formCaption = text;
    ++writes;
}

void MemoryForm::setLabel1Caption(int index, std::string_view caption)
{
    labels.at(static_cast<std::size_t>(index)) = caption;
    ++writes;
}

std::string MemoryForm::text2(int index) const
{
    return boxes.at(static_cast<std::size_t>(index));
}

void MemoryForm::setText2(int index, std::string_view text)
{
    boxes.at(static_cast<std::size_t>(index)) = text;
    ++writes;
}

void MemoryForm::setText2Locked(bool locked)
{
    resultLocked = locked;
    ++writes;
}

std::string MemoryForm::text1() const
{
    return transcript;
}

void MemoryForm::setText1(std::string_view text)
{
    transcript = text;
    ++writes;
}

void MemoryForm::list1Clear()
{
    listItems.clear();
    selected = -1;
    ++writes;
}

void MemoryForm::list1AddItem(std::string_view text)
{
    listItems.emplace_back(text);
    ++writes;
}

int MemoryForm::list1ListCount() const
{
    return static_cast<int>(listItems.size());
}

std::string MemoryForm::list1Item(int index) const
{
    if (index < 0 || index >= static_cast<int>(listItems.size()))
        return {};
    return listItems[static_cast<std::size_t>(index)];
}

int MemoryForm::list1ListIndex() const
{
    return selected;
}

void MemoryForm::setList1ListIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(listItems.size()))
        throw std::out_of_range("list index");
    selected = index;
    ++writes;
}

void MemoryForm::announce(std::string_view phrase)
{
    phrases.emplace_back(phrase);
}

void MemoryForm::reportRunTimeError(std::string_view message)
{
    reported.emplace_back(message);
}

const std::string &MemoryForm::label1Caption(int index) const
{
    return labels.at(static_cast<std::size_t>(index));
}

std::vector<std::string> MemoryForm::numberTexts(int first, int last)
{
    std::vector<std::string> texts;
    for (int number = first; number <= last; ++number)
        texts.push_back(std::to_string(number));
    return texts;
}

bool MemoryForm::selectItem(std::string_view text)
{
    const auto found = std::find(listItems.begin(), listItems.end(), text);
    if (found == listItems.end())
        return false;
    selected = static_cast<int>(found - listItems.begin());
    return true;
}
