// SPDX-License-Identifier: MIT
#include "classicframe.h"

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
    // a light line just inside it, the desktop's own shades. The shadow line
    // is what shows the group, so it reads on the fill, as the classic dark
    // shadow does where the desktop's shade does not.
    const int captionHeight = fontMetrics().height();
    const QRectF box = QRectF(rect()).adjusted(0, captionHeight / 2, 0, 0);
    const QColor fill = fixedFillUnder(this);
    drawOutline(painter, box.adjusted(t, t, 0, 0), palette().color(QPalette::Light));
    drawOutline(painter, box.adjusted(0, 0, -t, -t),
                readableInk(palette().color(QPalette::Dark), fill, kClassicDarkShadow, Ink::Graphic));

    const QRect caption(kCaptionIndent - kCaptionPadding, 0,
                        fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding, captionHeight);
    painter.fillRect(caption, fill);
    painter.setPen(readableWindowText(this, Ink::Text));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace toolkit
