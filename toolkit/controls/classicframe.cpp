// SPDX-License-Identifier: MIT
#include "classicframe.h"

#include "contrast.h"
#include "outline.h"
#include "panel.h"

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
    // The etched line runs through the caption's middle: a shadow line with
    // a light line just inside it, the desktop's own shades.
    const int captionHeight = fontMetrics().height();
    const QRectF box = QRectF(rect()).adjusted(0, captionHeight / 2, 0, 0);
    drawOutline(painter, box.adjusted(t, t, 0, 0), palette().color(QPalette::Light));
    drawOutline(painter, box.adjusted(0, 0, -t, -t), palette().color(QPalette::Dark));

    const QRect caption(kCaptionIndent - kCaptionPadding, 0,
                        fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding, captionHeight);
    painter.fillRect(caption, fixedFillUnder(this));
    painter.setPen(readableWindowText(this));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace toolkit
