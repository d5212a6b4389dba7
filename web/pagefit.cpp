// SPDX-License-Identifier: MIT
#include "web/pagefit.h"

#include "form/formdesign.h"

#include <algorithm>
#include <cmath>
#include <string>

using emscripten::val;

namespace {

// CSS pixels kept free around the form, so that it never touches the window's edges.
constexpr double margin = 8.0;

std::string pixels(double value)
{
    return std::to_string(static_cast<long>(std::lround(value))) + "px";
}

} // namespace

void fitToWindow(const val &form)
{
    // The root element's client box is the layout viewport less any scroll bars.
    const val root = val::global("document")["documentElement"];
    const double width = root["clientWidth"].as<double>();
    const double height = root["clientHeight"].as<double>();
    const FormDesign::Rect design = FormDesign::toPixels(FormDesign::client);
    const double scale = std::max(std::min((width - 2 * margin) / design.width,
                                           (height - 2 * margin) / design.height),
                                  0.1);
    const double left = (width - design.width * scale) / 2;
    const double top = (height - design.height * scale) / 2;
    form["style"].set("transform", "translate(" + pixels(left) + ", " + pixels(top) + ") scale("
                                       + std::to_string(scale) + ")");
}
