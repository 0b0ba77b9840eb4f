#include "clicktarget.h"

#include <QMouseEvent>

namespace toolkit {

ClickTarget::ClickTarget(int index, QWidget* parent)
    : QWidget(parent)
    , m_index(index)
{
    setAttribute(Qt::WA_NoSystemBackground);
}

void ClickTarget::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// A click is a press and a release of the left button over the same target,
// as with any button: dragging off before letting go cancels it.
void ClickTarget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked(m_index);
}

} // namespace toolkit
