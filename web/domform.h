// SPDX-License-Identifier: MIT
#pragma once

#include "form/formsurface.h"
#include "web/formpage.h"

// The form surface over the page's controls: what the handlers write goes straight
// to the DOM, and the list's selection is read from it.
class DomForm final : public FormSurface
{
public:
    explicit DomForm(FormControls formControls);

    void setCaption(std::string_view caption) override;
    void setLabel1Caption(int index, std::string_view caption) override;
    void setText2(int index, std::string_view text) override;
    void setText2Locked(bool locked) override;
    void setText1(std::string_view text) override;
    void setList1Items(std::span<const std::string> items) override;
    [[nodiscard]] int list1ListIndex() const override;
    void setList1ListIndex(int index) override;
    void announce(std::string_view phrase) override;
    void reportRunTimeError(std::string_view message) override;

    [[nodiscard]] const FormControls &controls() const noexcept { return page; }

private:
    FormControls page;
};
