// SPDX-License-Identifier: MIT
#pragma once

#include "form/formsurface.h"

#include <array>
#include <string>
#include <vector>

// A form surface held in memory, for testing the handlers without a window. It starts
// as the form is designed and lets a test look at everything written to it.
class MemoryForm final : public FormSurface
{
public:
    void setCaption(std::string_view text) override;
    void setLabel1Caption(int index, std::string_view caption) override;
    void setText2(int index, std::string_view text) override;
    void setText2Locked(bool locked) override;
    void setText1(std::string_view text) override;
    void setList1Items(std::span<const std::string> items) override;
    [[nodiscard]] int list1ListIndex() const override { return selected; }
    void setList1ListIndex(int index) override;
    void announce(std::string_view phrase) override;
    void reportRunTimeError(std::string_view message) override;

    [[nodiscard]] const std::string &caption() const { return formCaption; }
    [[nodiscard]] const std::string &label1Caption(int index) const;
    [[nodiscard]] const std::string &text2(int index) const;
    [[nodiscard]] bool text2Locked() const { return resultLocked; }
    [[nodiscard]] const std::string &text1() const { return transcript; }
    [[nodiscard]] const std::vector<std::string> &items() const { return listItems; }
    // The selected item's text, empty for none.
    [[nodiscard]] std::string selectedItem() const;
    // Counts every write, so a test can prove that a call changed nothing at all.
    [[nodiscard]] int writeCount() const { return writes; }
    // The phrases announced to a screen reader, oldest first.
    [[nodiscard]] const std::vector<std::string> &announced() const { return phrases; }
    // The run-time errors reported to the player, oldest first.
    [[nodiscard]] const std::vector<std::string> &errors() const { return reported; }

private:
    std::string formCaption;
    std::array<std::string, 3> labels;
    std::array<std::string, 3> boxes;
    bool resultLocked = true;
    std::string transcript;
    std::vector<std::string> listItems;
    int selected = -1;
    int writes = 0;
    std::vector<std::string> phrases;
    std::vector<std::string> reported;
};
