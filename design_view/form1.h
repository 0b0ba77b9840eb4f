// SPDX-License-Identifier: MIT
#pragma once

// The design view: a mock-up of the lobby client's window built from filled
// rectangles, one group per colour slot, with invisible click targets over
// them. A click on a target selects its slot in the scheme and tells, through
// regionSelected, the region's name and the slot's colour, which the main
// window shows in its channel editor; the main window's tick then paints the
// selected group through paintSlot.

#include "declarations.h"
#include "tabring.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

#include <cstdint>
#include <utility>
#include <vector>

namespace mockup {
struct Item;
}

namespace toolkit {
class Shape;
}

class Form1 : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit Form1(Declarations& scheme);

    // Slots 0 to 2 repaint the fill of their shapes; slot 3, the borders,
    // repaints every shape's outline.
    void paintSlot(int slot, const QColor& colour);
    // Puts the keyboard focus on the region it last had, or the first one.
    void focusRegions();

Q_SIGNALS:
    void regionSelected(const QString& regionName, const Math::ChannelTexts& colour);

protected:
    // Tab, Shift+Tab and the arrow keys go round the click targets, front to back.
    bool focusNextPrevChild(bool next) override;
    // The wheel scrolls the child-window area the view lies in.
    void wheelEvent(QWheelEvent* event) override;
    // However far the view is dragged, part of its caption bar stays in sight.
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The mock-up cannot be opened again, so it refuses to close.
    void closeEvent(QCloseEvent* event) override { event->ignore(); }

private:
    // Makes an item of the mock-up, as its kind is made.
    QWidget* add(const mockup::Item& item, QWidget* client);
    void select(Declarations::Slot slot);
    void describeSelection(Declarations::Slot slot);
    void reveal(QWidget* region);

    Declarations& m_scheme;
    // Each shape with the slot whose fill it shows.
    std::vector<std::pair<toolkit::Shape*, Declarations::Slot>> m_shapes;
    // The click targets, front to back: the keyboard's order through them.
    std::vector<QWidget*> m_targets;
    // Each click target with the item it stands for.
    std::vector<std::pair<QWidget*, const mockup::Item*>> m_regions;
    toolkit::TabRing m_tabRing;
};
