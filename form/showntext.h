// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// What a control shows for a text of the form: one line break (LF) for each CR LF,
// which is how a toolkit's text box or label keeps its lines.
[[nodiscard]] std::string shownText(std::string_view text);
