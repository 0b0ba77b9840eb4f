// SPDX-License-Identifier: MIT
#include "titledmessagebox.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>

namespace toolkit {

bool TitledMessageBox::event(QEvent* event)
{
    // The box sets its own size as it is shown, and again whenever its
    // layout asks (under a window manager, after it is mapped); it is
    // widened after each.
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::Show)
        hideRuleLines();
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

// A line of dashes only rules the text off, and a screen reader would read
// every dash: the label showing the text is named without them.
void TitledMessageBox::hideRuleLines()
{
    QStringList lines = text().split(QRegularExpression(QStringLiteral("\\r?\\n")));
    lines.removeIf([](const QString& line) { return !line.isEmpty() && line.count(u'-') == line.size(); });
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->text() == text())
            label->setAccessibleName(lines.join(u'\n'));
    }
}

} // namespace toolkit
