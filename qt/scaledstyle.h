// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The platform's style at the scale of the form: the sizes it gives in pixels for the
// scroll bars and the frames of the list and the boxes grow with the form, as their
// places and their font do, so that on a projector at twice the size they are not
// hairlines beside everything else. Everything else is the platform style's own.
class ScaledStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    ScaledStyle();

    void setScale(double factor);

    [[nodiscard]] int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                                  const QWidget *widget = nullptr) const override;

private:
    double scale = 1.0;
};
