// SPDX-License-Identifier: MIT
#include "panel.h"

#include "accessibility.h"
#include "controls.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace toolkit {

Panel::Panel(const char* name, const QColor& background, const QString& accessibleName)
{
    setObjectName(QLatin1String(name));
    // The left panel's fixed lines are hidden, as the design keeps them.
    hideDecoration(this);
    setAccessibleName(accessibleName);
    fillBackground(this, background);
    setFocusPolicy(Qt::TabFocus);
}

void Panel::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace toolkit
