// SPDX-License-Identifier: MIT
#pragma once

// The form as designed: where every control sits, its colours and the font, in
// design units (twips, 15 to a pixel at 96 dpi). Standard C++ only, so every front
// end lays the form out from the same table.

#include <array>
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
};

inline constexpr int twipsPerPixel = 15;

// Twips to logical pixels; every position of the design divides evenly.
[[nodiscard]] constexpr Rect toPixels(const Rect &twips)
{
    return {twips.left / twipsPerPixel, twips.top / twipsPerPixel,
            twips.width / twipsPerPixel, twips.height / twipsPerPixel};
}

inline constexpr int clientWidth = 6915;
inline constexpr int clientHeight = 5130;

// The controls, in design units.
inline constexpr Rect text1Transcript{120, 3240, 6615, 1815};
inline constexpr Rect label1Title{840, 0, 5295, 375};
inline constexpr Rect list1{120, 960, 1095, 2055};
inline constexpr std::array<Rect, 3> text2{{{2880, 600, 1215, 405},
                                            {2880, 1650, 1215, 405},
                                            {2880, 2640, 1215, 405}}};
inline constexpr std::array<Rect, 2> command1{{{4320, 600, 1455, 405},
                                               {4320, 2640, 1455, 405}}};
// Label1(1) to Label1(4); Label1(0) is the title above.
inline constexpr std::array<Rect, 4> label1Row{{{1560, 600, 1335, 405},
                                                {1560, 1680, 1335, 405},
                                                {1560, 2640, 1335, 405},
                                                {120, 600, 1095, 405}}};

inline constexpr Rgb formBackground{0, 192, 0};
inline constexpr Rgb labelBackground{255, 192, 128};
inline constexpr Rgb checkButtonBackground{128, 255, 128};
inline constexpr Rgb clearButtonBackground{255, 0, 0};

inline constexpr std::string_view fontFamily = "Times New Roman";
// The same metrics, for systems without Times New Roman.
inline constexpr std::string_view fontMetricTwin = "Liberation Serif";
inline constexpr int fontPointSize = 12;

} // namespace FormDesign
