// SPDX-License-Identifier: MIT
#include "contrast.h"

#include "panel.h"

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

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableInk(const QColor& ink, const QColor& ground, const QColor& fallback)
{
    return contrastRatio(ink, ground) >= 3.0 ? ink : fallback;
}

QColor readableWindowText(const QWidget* control)
{
    return readableInk(control->palette().color(QPalette::WindowText), fixedFillUnder(control), kClassicText);
}

QColor readableHighlight(const QWidget* control, const QColor& ground)
{
    return readableInk(control->palette().color(QPalette::Highlight), ground, kClassicHighlight);
}

} // namespace toolkit
