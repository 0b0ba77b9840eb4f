// SPDX-License-Identifier: MIT
#include "shape.h"

#include "outline.h"
#include "panel.h"

#include <QAccessible>
#include <QPainter>

namespace toolkit {

Shape::Shape(const QColor& fillColour, Outline outline, QWidget* parent)
    : QWidget(parent)
    , m_fill(fillColour)
    , m_outline(outline)
{
    // The fill covers every pixel, so Qt need not paint what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColour(const QColor& colour)
{
    if (colour == m_fill)
        return;
    m_fill = colour;
    update();
    // A named shape, the swatch, tells a screen reader its new colour.
    if (QAccessible::isActive() && !accessibleName().isEmpty()) {
        QAccessibleValueChangeEvent change(this, fillColourText());
        QAccessible::updateAccessibility(&change);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void Shape::setBorderColour(const QColor& colour)
{
    if (colour == borderColour())
        return;
    m_border = colour;
    // The colour is kept even without an outline; it just never shows.
    if (m_outline == Outline::Drawn)
        update();
}

QColor Shape::borderColour() const
{
    // Until the user gives it a colour, the outline is the desktop's text
    // colour, wherever that reads on the fixed fill the shape stands on.
    return m_border.isValid() ? m_border : readableWindowText(this, Ink::Graphic);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_outline == Outline::Drawn)
        drawOutline(painter, rect(), borderColour());
}

} // namespace toolkit
