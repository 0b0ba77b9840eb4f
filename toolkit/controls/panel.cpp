// SPDX-License-Identifier: MIT
#include "panel.h"

#include "outline.h"

#include <QPainter>

namespace toolkit {

Panel::Panel(const QColor& fill, QWidget* parent)
    : QWidget(parent)
    , m_fill(fill)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The style shades the edges of the buttons and boxes standing on the
    // panel for the colour it is told they stand on. Only that hint lives in
    // the palette: where a desktop replaces it, those edges take the
    // desktop's shades, and the fill stays.
    QPalette shading;
    shading.setColor(QPalette::Window, fill);
    setPalette(shading);
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_focusMark.shownOn(this)) {
        const double t = outlineThickness(devicePixelRatioF());
        painter.setClipRegion(QRegion(rect()).subtracted(childrenRegion()));
        drawOutline(painter, QRectF(rect()).adjusted(t, t, -t, -t), readableWindowText(this, Ink::Graphic));
    }
}

QColor fixedFillUnder(const QWidget* control)
{
    for (const QWidget* widget = control; widget; widget = widget->parentWidget()) {
        if (auto* panel = qobject_cast<const Panel*>(widget))
            return panel->fill();
    }
    return control->palette().color(QPalette::Window);
}

QColor readableWindowText(const QWidget* control, Ink use)
{
    return readableInk(control->palette().color(QPalette::WindowText), fixedFillUnder(control), kClassicText, use);
}

} // namespace toolkit
