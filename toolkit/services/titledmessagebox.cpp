// SPDX-License-Identifier: MIT
#include "titledmessagebox.h"

#include <QEvent>
#include <QFontDatabase>
#include <QStyle>

namespace toolkit {

bool TitledMessageBox::event(QEvent* event)
{
    // The box sets its own size as it is shown, and again whenever its
    // layout asks (under a window manager, after it is mapped); it is
    // widened after each.
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::LayoutRequest) {
        QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        font.setBold(true);
        const int buttons = 4 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        const int needed = QFontMetrics(font).horizontalAdvance(windowTitle()) + buttons;
        if (width() < needed)
            setFixedWidth(needed);
    }
    return handled;
}

} // namespace toolkit
