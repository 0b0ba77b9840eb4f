// SPDX-License-Identifier: MIT
#include "titledmessagebox.h"

#include <QFontDatabase>
#include <QStyle>

namespace toolkit {

void TitledMessageBox::showEvent(QShowEvent* event)
{
    // The box sets its own size as it is shown; it is widened after that.
    QMessageBox::showEvent(event);
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const int buttons = 4 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int needed = QFontMetrics(font).horizontalAdvance(windowTitle()) + buttons;
    if (width() < needed)
        setFixedWidth(needed);
}

} // namespace toolkit
