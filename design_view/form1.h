#pragma once

// The design view: a mock-up of the lobby client's window built from filled
// rectangles, one group per colour slot, with invisible click targets over
// them. A click on a target selects its slot in the scheme and hands the
// slot's colour to the main window's channel editor; the main window's tick
// then paints the selected group through paintSlot.

#include "declarations.h"
#include "designsurface.h"

#include <utility>
#include <vector>

namespace toolkit {
class ChannelEditor;
class Shape;
}

class Form1 : public toolkit::DesignSurface {
    Q_OBJECT
public:
    Form1(Declarations& scheme, toolkit::ChannelEditor& editor);

    void paintSlot(int slot, std::uint32_t packed) override;
    void focusRegions() override;

protected:
    // Tab, Shift+Tab and the arrow keys go round the click targets, front to back.
    bool focusNextPrevChild(bool next) override;
    // The wheel scrolls the child-window area the view lies in.
    void wheelEvent(QWheelEvent* event) override;
    // However far the view is dragged, part of its caption bar stays in sight.
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The mock-up cannot be opened again, so it refuses to close.
    void closeEvent(QCloseEvent* event) override;

private:
    void select(Declarations::Slot slot);

    Declarations& m_scheme;
    toolkit::ChannelEditor& m_editor;
    // Each shape with the slot whose fill it shows.
    std::vector<std::pair<toolkit::Shape*, Declarations::Slot>> m_shapes;
    // The click targets, front to back: the keyboard's order through them.
    std::vector<QWidget*> m_targets;
    // The region the keyboard last reached. Qt's own record of the focused
    // child won't do: activating the child window puts the focus on the
    // backmost target before the main window moves it to the red box.
    QWidget* m_lastFocused = nullptr;
};
