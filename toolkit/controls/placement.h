// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace toolkit {

// Centres a top-level window on its screen's available area, frame and all.
// A window too large for it is made smaller to fit, and where even its
// smallest size is too large, that smallest size gives way: its layout
// shrinks its largest parts first. Where the system tells no work area
// (Wayland, whose panels Qt cannot see), a window too large is maximised,
// and the compositor fits it.
void placeOnScreen(QWidget* window);

} // namespace toolkit
