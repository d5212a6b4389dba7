// SPDX-License-Identifier: MIT
#include "web/pagefit.h"

#include "form/formdesign.h"

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
    constexpr double least = 0.1;
    const FormDesign::Fit fit = FormDesign::fitted(root["clientWidth"].as<double>(), root["clientHeight"].as<double>(),
                                                   margin, least);
    form["style"].set("transform", "translate(" + pixels(fit.left) + ", " + pixels(fit.top) + ") scale("
                                       + std::to_string(fit.scale) + ")");
}
