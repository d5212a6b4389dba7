// SPDX-License-Identifier: MIT
#include "form/controltable.h"

#include "form/catalogue.h"

namespace FormDesign {

std::string caption(const Control &control, const Catalogue &texts)
{
    std::string text;
    // Catalogues end their lines with LF alone, as gettext's format asks.
    for (const char character : texts.translate(control.caption)) {
        if (character == '\n')
            text += FormTexts::lineBreak;
        else
            text += character;
    }
    if (control.kind == ControlKind::Title)
        text += FormTexts::lineBreak;
    return text;
}

} // namespace FormDesign
