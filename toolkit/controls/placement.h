#pragma once

class QWidget;

namespace toolkit {

// Centres a top-level window on its screen's available area, frame and all.
// A window too large for it is made smaller to fit; one whose minimum size
// is still too large keeps its top-left corner, with the menu, on the screen.
void placeOnScreen(QWidget* window);

} // namespace toolkit
