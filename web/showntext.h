// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// What a control shows for a text the game wrote: one line break for each CR LF. The
// page's controls keep line breaks as LF alone, so the text written stays on the C++
// side for reading back.
[[nodiscard]] std::string shownText(std::string_view text);
