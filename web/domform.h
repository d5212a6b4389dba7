// SPDX-License-Identifier: MIT
#pragma once

#include "form/formsurface.h"
#include "web/formpage.h"

#include <array>
#include <string>
#include <vector>

// The form surface over the page's controls. The DOM does not keep every text as
// written (a text area turns CR LF into LF, a one-line box drops line breaks, an
// option collapses blanks), so what the game writes is also kept here and read back
// from here, unless the user has changed the control since.
class DomForm final : public FormSurface
{
public:
    explicit DomForm(FormControls formControls);

    void setCaption(std::string_view caption) override;
    void setLabel1Caption(int index, std::string_view caption) override;
    [[nodiscard]] std::string text2(int index) const override;
    void setText2(int index, std::string_view text) override;
    void setText2Locked(bool locked) override;
    [[nodiscard]] std::string text1() const override;
    void setText1(std::string_view text) override;
    void list1Clear() override;
    void list1AddItem(std::string_view text) override;
    [[nodiscard]] int list1ListCount() const override;
    [[nodiscard]] std::string list1Item(int index) const override;
    [[nodiscard]] int list1ListIndex() const override;
    void setList1ListIndex(int index) override;
    void announce(std::string_view phrase) override;
    void reportRunTimeError(std::string_view message) override;

    [[nodiscard]] const FormControls &controls() const noexcept { return page; }

private:
    // A box's text as the game wrote it, and as the box showed it right after.
    struct WrittenText
    {
        std::string written;
        std::string shown;
    };

    FormControls page;
    std::array<WrittenText, 3> boxes;
    std::string transcript;
    std::vector<std::string> items;
};
