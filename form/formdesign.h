// SPDX-License-Identifier: MIT
#pragma once

// The form as designed: its size, colours and font, in design units (twips, 15 to a
// pixel at 96 dpi). Where each control sits is in the control table
// (form/controltable.h). Standard C++ only, so every front end lays the form out from
// the same values.

#include <algorithm>
#include <array>
#include <cmath>
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

// A control's place, in twips, on the form mirrored for a language written right to
// left: the same distance from the right edge as designed from the left.
[[nodiscard]] constexpr Rect mirrored(const Rect &twips)
{
    return {client.width - twips.left - twips.width, twips.top, twips.width, twips.height};
}

// Where the form is shown in an area of a front end: scaled as a whole by scale,
// keeping its proportions, its top left corner at (left, top).
struct Fit
{
    double scale = 1.0;
    double left = 0.0;
    double top = 0.0;
};

// The largest scale at which the form fits a window of width by height pixels, but
// never below its designed size, which the window never is either; centred in the
// window.
[[nodiscard]] inline Fit fitted(double width, double height)
{
    const Rect design = toPixels(client);
    const double scale = std::max(std::min(width / design.width, height / design.height), 1.0);
    return {scale, (width - design.width * scale) / 2, (height - design.height * scale) / 2};
}

// A control's place in pixels, scaled and moved as fit says, its edges rounded to
// whole pixels so that neighbours stay neighbours.
[[nodiscard]] inline Rect placed(const Rect &twips, const Fit &fit)
{
    const Rect rect = toPixels(twips);
    const auto edge = [&fit](int position, double offset) {
        return static_cast<int>(std::lround(offset + position * fit.scale));
    };
    const int left = edge(rect.left, fit.left);
    const int top = edge(rect.top, fit.top);
    return {left, top, edge(rect.left + rect.width, fit.left) - left, edge(rect.top + rect.height, fit.top) - top};
}

inline constexpr Rgb formBackground{0, 192, 0};
inline constexpr Rgb labelBackground{255, 192, 128};
inline constexpr Rgb checkButtonBackground{128, 255, 128};
inline constexpr Rgb clearButtonBackground{255, 0, 0};

inline constexpr std::string_view fontFamily = "Times New Roman";
// The same metrics, for systems without Times New Roman.
inline constexpr std::string_view fontMetricTwin = "Liberation Serif";
inline constexpr int fontPointSize = 12;
// Serifs that sit beside the form's, for the letters it lacks: Amiri, a Naskh, for the
// Arabic script's (Arabic's and Persian's), Noto Serif Armenian for Armenian's. A front
// end takes such letters from the first of them that is installed and has them.
inline constexpr std::array<std::string_view, 2> companionSerifs{"Amiri", "Noto Serif Armenian"};

} // namespace FormDesign
