// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

// Scales the form as a whole, keeping its proportions, to the largest size that fits
// the browser window with a small margin, and centres it. Every control keeps its
// designed place and size inside the form; only the form's transform changes. Called
// again whenever the window changes size, a rotated tablet or phone included.
//
// The window's layout size is what is fitted, not the part a pinch zoom shows, so a
// pinch still magnifies the form; the browser's zoom changes that size and the form
// is fitted to it again.
// reserved is the height kept free at the top of the window (for the language
// switch), and as much at the bottom, so that the form stays centred.
void fitToWindow(const emscripten::val &form, double reserved);
