// SPDX-License-Identifier: MIT
#include "contrast.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace toolkit {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// The contrast ratio of two colours, from 1 to 21, from their relative
// luminance as the guidelines define it.
double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool reads(const QColor& ink, const QColor& ground, Ink use)
{
    return contrastRatio(ink, ground) >= (use == Ink::Text ? 4.5 : 3.0);
}

} // namespace

// One of black and white reads at 4.58 : 1 at least on any ground.
QColor readableInk(const QColor& ink, const QColor& ground, const QColor& fallback, Ink use)
{
    if (reads(ink, ground, use))
        return ink;
    if (reads(fallback, ground, use))
        return fallback;
    const QColor black(0, 0, 0), white(255, 255, 255);
    return contrastRatio(black, ground) >= contrastRatio(white, ground) ? black : white;
}

QColor readableHighlight(const QWidget* control, const QColor& ground, Ink use)
{
    return readableInk(control->palette().color(QPalette::Highlight), ground, kClassicHighlight, use);
}

} // namespace toolkit
