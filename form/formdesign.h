// SPDX-License-Identifier: MIT
#pragma once

// The form as designed: its size, colours and font, in design units (twips, 15 to a
// pixel at 96 dpi). Where each control sits is in the control table
// (form/controltable.h). Standard C++ only, so every front end lays the form out from
// the same values.

#include <string_view>

namespace FormDesign {

struct Rect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const Rect &, const Rect &) = default;
};

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr int twipsPerPixel = 15;

// Twips to logical pixels; every position of the design divides evenly.
[[nodiscard]] constexpr Rect toPixels(const Rect &twips)
{
    return {twips.left / twipsPerPixel, twips.top / twipsPerPixel,
            twips.width / twipsPerPixel, twips.height / twipsPerPixel};
}

// The form's client area.
inline constexpr Rect client{0, 0, 6915, 5130};

inline constexpr Rgb formBackground{0, 192, 0};
inline constexpr Rgb labelBackground{255, 192, 128};
inline constexpr Rgb checkButtonBackground{128, 255, 128};
inline constexpr Rgb clearButtonBackground{255, 0, 0};

inline constexpr std::string_view fontFamily = "Times New Roman";
// The same metrics, for systems without Times New Roman.
inline constexpr std::string_view fontMetricTwin = "Liberation Serif";
inline constexpr int fontPointSize = 12;

} // namespace FormDesign
