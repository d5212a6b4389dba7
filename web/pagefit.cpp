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

void fitToWindow(const val &form, double reserved)
{
    // The root element's client box is the layout viewport less any scroll bars.
    const val root = val::global("document")["documentElement"];
    constexpr double least = 0.1;
    FormDesign::Fit fit = FormDesign::fitted(root["clientWidth"].as<double>(),
                                             root["clientHeight"].as<double>() - 2 * reserved, margin, least);
    fit.top += reserved;
    // The scale as JavaScript writes a number, which spares the page C's printf.
    const auto scale = emscripten::val(fit.scale).call<std::string>("toString");
    form["style"].set("transform", "translate(" + pixels(fit.left) + ", " + pixels(fit.top) + ") scale(" + scale + ")");
}
