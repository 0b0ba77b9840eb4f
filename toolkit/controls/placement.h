// SPDX-License-Identifier: MIT
#pragma once

#include "twips.h"

class QWidget;

namespace toolkit {

// Names a control after its design name and puts it at its design rectangle
// in its container. Where siblings overlap, the design's front-to-back order
// is kept by creating them back to front: a control created later lies in
// front.
void place(QWidget* control, const char* name, const Twips& rect);

// Centres a top-level window on its screen's available area, frame and all.
// A window too large for it is made smaller to fit, and where even its
// smallest size is too large, that smallest size gives way: its layout
// shrinks its largest parts first. Where the system tells no work area
// (Wayland, whose panels Qt cannot see), a window too large is maximised,
// and the compositor fits it.
void placeOnScreen(QWidget* window);

} // namespace toolkit
