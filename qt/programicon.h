// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon: the hamburger drawn as bitmaps for 32 and 48 pixels, and as a
// scalable drawing for every larger size (high-density screens, large task
// switchers). The scalable drawing, and the SVG support it needs, are loaded only
// when such a size is first asked for, so an ordinary screen never pays for them at
// start-up.
[[nodiscard]] QIcon programIcon();
