// SPDX-License-Identifier: MIT
#include "classicframe.h"

#include "outline.h"

#include <QPainter>

namespace toolkit {

namespace {

// From the frame's left edge to the caption's text, in pixels.
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;

} // namespace

void ClassicFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const double t = outlineThickness(devicePixelRatioF());
    const QRectF box = rect();
    // The etched line: a shadow on the edge, a light line just inside it.
    drawOutline(painter, box.adjusted(t, t, 0, 0), palette().color(QPalette::Light));
    drawOutline(painter, box.adjusted(0, 0, -t, -t), palette().color(QPalette::Dark));

    const QRect caption(kCaptionIndent - kCaptionPadding, 0,
                        fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding,
                        fontMetrics().height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace toolkit
