// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace toolkit {

void place(QWidget* control, const char* name, const Twips& rect)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(toPixels(rect));
}

void placeOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    const QRect available = screen->availableGeometry();
    // The window manager's frame is measured in device pixels and reaches
    // Qt rounded to logical ones; a pixel to spare on each side keeps it
    // whole on the screen at any scale.
    const int spare = window->devicePixelRatio() > 1 ? 2 : 0;
    const QSize room = available.size() - (window->frameGeometry().size() - window->size()) - QSize(spare, spare);
    const QSize fitting = window->size().boundedTo(room);
    if (fitting != window->size()) {
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && available == screen->geometry()) {
            window->setWindowState(window->windowState() | Qt::WindowMaximized);
            return;
        }
        const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
        if (smallest.boundedTo(fitting) != smallest)
            window->setMinimumSize(smallest.boundedTo(fitting));
        window->resize(fitting);
    }

    const QRect frame = window->frameGeometry();
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame.size(), available);
    placed.moveTo(std::max(placed.left(), available.left()), std::max(placed.top(), available.top()));
    if (placed.topLeft() != frame.topLeft())
        window->move(placed.topLeft());
}

} // namespace toolkit
