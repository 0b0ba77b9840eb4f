#include "clicktarget.h"

#include "accessibleclicktarget.h"
#include "outline.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace toolkit {

ClickTarget::ClickTarget(int index, QWidget* parent)
    : QWidget(parent)
    , m_index(index)
{
    AccessibleClickTarget::install();
    setAttribute(Qt::WA_NoSystemBackground);
    // Tab's way in. A click gives the focus to the region clicked, below.
    setFocusPolicy(Qt::TabFocus);
}

void ClickTarget::click()
{
    Q_EMIT clicked(m_index);
}

void ClickTarget::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    if (std::exchange(m_markShown, false))
        update();
}

// A click is a press and a release of the left button over the same target,
// as with any button: dragging off before letting go cancels it.
void ClickTarget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool released = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (released) {
        // Tab goes on from the region clicked.
        setFocus(Qt::MouseFocusReason);
        click();
    }
}

void ClickTarget::focusInEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    m_markShown = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
        || reason == Qt::ShortcutFocusReason;
    QWidget::focusInEvent(event);
}

void ClickTarget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
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
        QWidget::keyPressEvent(event);
    }
}

// A ring just inside the region, clear of the outline on its edge: the
// selection colour, two lines thick, with a line of its text colour inside,
// so it shows on a region of any colour. Unlike the style's own focus mark
// it tints nothing, so the region's colour is seen true while it is focused.
void ClickTarget::paintEvent(QPaintEvent*)
{
    if (!hasFocus() || !m_markShown)
        return;
    QPainter painter(this);
    const double t = outlineThickness(devicePixelRatioF());
    const QRectF ring = QRectF(rect()).adjusted(2 * t, 2 * t, -2 * t, -2 * t);
    const QColor highlight = palette().color(QPalette::Highlight);
    drawOutline(painter, ring, highlight);
    drawOutline(painter, ring.adjusted(t, t, -t, -t), highlight);
    drawOutline(painter, ring.adjusted(2 * t, 2 * t, -2 * t, -2 * t), palette().color(QPalette::HighlightedText));
}

} // namespace toolkit
