// SPDX-License-Identifier: MIT
#include "outline.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace toolkit {

double outlineThickness(double devicePixelRatio)
{
    return std::max(1.0, std::round(devicePixelRatio)) / devicePixelRatio;
}

void drawOutline(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    const double t = outlineThickness(painter.device()->devicePixelRatioF());
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), t), colour);
    painter.fillRect(QRectF(rect.left(), rect.bottom() - t, rect.width(), t), colour);
    painter.fillRect(QRectF(rect.left(), rect.top(), t, rect.height()), colour);
    painter.fillRect(QRectF(rect.right() - t, rect.top(), t, rect.height()), colour);
}

} // namespace toolkit
