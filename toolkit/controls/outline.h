// SPDX-License-Identifier: MIT
#pragma once

class QColor;
class QPainter;
class QRectF;

namespace toolkit {

// Draws a rectangle's outline on its edge: one logical pixel thick, rounded
// to whole device pixels, so it covers the outermost device pixels on all
// four sides at every scale factor (a one-pixel pen at 1.25 or 1.5 falls
// between device pixels and loses whole sides). The four sides are filled
// as strips that share the rectangle's own edges, so the outline meets a
// fill of the same rectangle without a gap.
void drawOutline(QPainter& painter, const QRectF& rect, const QColor& colour);

// The outline's thickness in logical pixels on a device of this ratio.
double outlineThickness(double devicePixelRatio);

} // namespace toolkit
