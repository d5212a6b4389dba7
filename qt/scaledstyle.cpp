// SPDX-License-Identifier: MIT
#include "qt/scaledstyle.h"

#include <cmath>

ScaledStyle::ScaledStyle() = default;

void ScaledStyle::setScale(double factor)
{
    scale = factor;
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int plain = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_DefaultFrameWidth:
        return static_cast<int>(std::lround(plain * scale));
    default:
        return plain;
    }
}
