// SPDX-License-Identifier: MIT
#include "shape.h"

#include "colourmath.h"
#include "contrast.h"
#include "outline.h"

#include <QAccessible>
#include <QPainter>

namespace toolkit {

namespace {

QColor toQColor(std::uint32_t packed)
{
    return QColor(Math::Red(packed), Math::Green(packed), Math::Blue(packed));
}

} // namespace

Shape::Shape(std::uint32_t fillColour, Outline outline, QWidget* parent)
    : QWidget(parent)
    , m_fill(toQColor(fillColour))
    , m_outline(outline)
{
    // The fill covers every pixel, so Qt need not paint what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColour(std::uint32_t packed)
{
    const QColor colour = toQColor(packed);
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

void Shape::setBorderColour(std::uint32_t packed)
{
    const QColor colour = toQColor(packed);
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
    return m_border.isValid() ? m_border : readableWindowText(this);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_outline == Outline::Drawn)
        drawOutline(painter, rect(), borderColour());
}

} // namespace toolkit
