// SPDX-License-Identifier: MIT
#include "memoryform.h"

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

void MemoryForm::setText1(std::string_view text)
{
    transcript = text;
    ++writes;
}

void MemoryForm::setList1Items(std::span<const std::string> items)
{
    listItems.assign(items.begin(), items.end());
    selected = -1;
    ++writes;
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

const std::string &MemoryForm::text2(int index) const
{
    return boxes.at(static_cast<std::size_t>(index));
}

std::string MemoryForm::selectedItem() const
{
    return selected < 0 ? std::string() : listItems.at(static_cast<std::size_t>(selected));
}
