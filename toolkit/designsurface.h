#pragma once

#include <QMdiSubWindow>

#include <cstdint>

namespace toolkit {

// A child window of the main window that the refresh tick repaints: the
// tick hands it the colour of the selected slot. Slots 0 to 2 repaint the
// fill of their shapes; slot 3, the borders, repaints every shape's outline.
// The main window's key for the design view hands it the keyboard focus.
class DesignSurface : public QMdiSubWindow {
    Q_OBJECT
public:
    using QMdiSubWindow::QMdiSubWindow;

    virtual void paintSlot(int slot, std::uint32_t packed) = 0;
    // Puts the keyboard focus on the region it last had, or the first one.
    virtual void focusRegions() = 0;
};

} // namespace toolkit
