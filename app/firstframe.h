// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Makes the application quit as soon as window has painted its first frame. Used when
// the environment variable ROVALIN_QUIT_AFTER_FIRST_FRAME is set, to measure start-up
// and to check that an installed program can show its window; never by a player.
void quitAfterFirstFrame(QWidget &window);
