#include "shape.h"

#include "outline.h"

#include <QPainter>

namespace toolkit {

QColor toColor(std::uint32_t packed)
{
    return QColor(int(packed & 0xFF), int(packed >> 8 & 0xFF), int(packed >> 16 & 0xFF));
}

Shape::Shape(std::uint32_t fillColour, Outline outline, QWidget* parent)
    : QWidget(parent)
    , m_fill(toColor(fillColour))
    , m_outline(outline)
{
    // The fill covers every pixel, so Qt need not paint what lies beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setFillColour(std::uint32_t packed)
{
    const QColor colour = toColor(packed);
    if (colour == m_fill)
        return;
    m_fill = colour;
    update();
}

void Shape::setBorderColour(std::uint32_t packed)
{
    const QColor colour = toColor(packed);
    if (colour == borderColour())
        return;
    m_border = colour;
    // The colour is kept even without an outline; it just never shows.
    if (m_outline == Outline::Drawn)
        update();
}

QColor Shape::borderColour() const
{
    return m_border.isValid() ? m_border : palette().color(QPalette::WindowText);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_outline == Outline::Drawn)
        drawOutline(painter, rect(), borderColour());
}

} // namespace toolkit
