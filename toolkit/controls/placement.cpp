// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace toolkit {

void placeOnScreen(QWidget* window)
{
    const QRect available = window->screen()->availableGeometry();
    const QSize frameMargins = window->frameGeometry().size() - window->size();
    // Made to fit, as far as its minimum size lets it, so that the title
    // bar's buttons are on the screen; what no longer shows scrolls.
    const QSize fitting = window->size().boundedTo(available.size() - frameMargins);
    if (fitting != window->size())
        window->resize(fitting);

    const QRect frame = window->frameGeometry();
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame.size(), available);
    placed.moveTo(std::max(placed.left(), available.left()), std::max(placed.top(), available.top()));
    if (placed.topLeft() != frame.topLeft())
        window->move(placed.topLeft());
}

} // namespace toolkit
