#include "placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace toolkit {

void placeOnScreen(QWidget* window)
{
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame.size(), available);
    placed.moveTo(std::max(placed.left(), available.left()), std::max(placed.top(), available.top()));
    if (placed.topLeft() != frame.topLeft())
        window->move(placed.topLeft());
}

} // namespace toolkit
