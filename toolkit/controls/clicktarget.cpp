// SPDX-License-Identifier: MIT
#include "clicktarget.h"

#include "contrast.h"
#include "outline.h"
#include "tabring.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>


namespace toolkit {

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
    m_ringShown = false;
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

void ClickTarget::focusInEvent(QFocusEvent* event)
{
    m_ringShown = cameByKeyboard(event->reason());
    QAbstractButton::focusInEvent(event);
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

// A ring just inside the region, clear of the outline on its edge: the
// selection colour, two lines thick, with a line of its text colour inside,
// so it shows on a region of any colour. Unlike the style's own focus mark
// it tints nothing, so the region's colour is seen true while it is focused.
void ClickTarget::paintEvent(QPaintEvent*)
{
    if (!hasFocus() || !m_ringShown)
        return;
    QPainter painter(this);
    const double t = outlineThickness(devicePixelRatioF());
    const QRectF ring = QRectF(rect()).adjusted(2 * t, 2 * t, -2 * t, -2 * t);
    // Navy, the classic selection colour, where the desktop's does not read
    // on the white the regions start as.
    const QColor highlight = readableHighlight(this, Qt::white);
    drawOutline(painter, ring, highlight);
    drawOutline(painter, ring.adjusted(t, t, -t, -t), highlight);
    drawOutline(painter, ring.adjusted(2 * t, 2 * t, -2 * t, -2 * t), palette().color(QPalette::HighlightedText));
}

} // namespace toolkit
