// SPDX-License-Identifier: MIT
#include "clicktarget.h"

#include "outline.h"
#include "panel.h"
#include "shape.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

namespace {

// The colour under a point of the target's container: that of the
// front-most shape there, the colour the user gave the region, or else the
// container's own fill.
QColor groundAt(const QWidget* target, QPoint point)
{
    const QObjectList siblings = target->parentWidget()->children();
    for (auto sibling = siblings.crbegin(); sibling != siblings.crend(); ++sibling) {
        auto* shape = qobject_cast<const Shape*>(*sibling);
        if (shape && shape->isVisible() && shape->geometry().contains(point))
            return shape->fillColour();
    }
    return fixedFillUnder(target);
}

} // namespace

ClickTarget::ClickTarget(QWidget* parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    // Tab's way in. A click gives the focus to the region clicked, below.
    setFocusPolicy(Qt::TabFocus);
}

// The button repaints as it is pressed, without the ring.
void ClickTarget::mousePressEvent(QMouseEvent* event)
{
    m_focusMark.hide();
    QAbstractButton::mousePressEvent(event);
}

// Tab goes on from the region clicked; dragging off before letting go
// cancels the click and leaves the focus where it was.
void ClickTarget::mouseReleaseEvent(QMouseEvent* event)
{
    if (isDown() && event->button() == Qt::LeftButton && hitButton(event->position().toPoint()))
        setFocus(Qt::MouseFocusReason);
    QAbstractButton::mouseReleaseEvent(event);
}

// Space clicks as on any button. Return and Enter click too, since the
// regions are the view's only controls; the arrow keys go round them in
// Tab's order, not by their places on the screen.
void ClickTarget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

// A ring just inside the region, clear of the outline on its edge, in two
// tones as the desktop's own focus frames: two lines of the selection
// colour, and a line of its text colour inside them, each where it reads on
// what lies under it (the region's colour as it is now, which the user
// chooses), and navy, black or white where not. Unlike the style's own
// focus mark it tints nothing, so the region's colour is seen true while it
// is focused.
void ClickTarget::paintEvent(QPaintEvent*)
{
    if (!m_focusMark.shownOn(this))
        return;
    QPainter painter(this);
    const double t = outlineThickness(devicePixelRatioF());
    const QRectF ring = QRectF(rect()).adjusted(2 * t, 2 * t, -2 * t, -2 * t);
    const QColor outer = readableHighlight(this, groundAt(this, mapToParent(ring.topLeft().toPoint())), Ink::Graphic);
    // White is the classic selection's text colour.
    const QColor inner = readableInk(palette().color(QPalette::HighlightedText), outer, Qt::white, Ink::Graphic);
    drawOutline(painter, ring, outer);
    drawOutline(painter, ring.adjusted(t, t, -t, -t), outer);
    drawOutline(painter, ring.adjusted(2 * t, 2 * t, -2 * t, -2 * t), inner);
}

} // namespace toolkit
