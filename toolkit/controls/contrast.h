// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QWidget;

namespace toolkit {

// The ink rule. The design fixes its fills and takes its inks from the
// desktop, so on a dark or high-contrast desktop an ink can vanish on its
// fill. An ink is used where it reads on its ground, 3 : 1 or more (the Web
// Content Accessibility Guidelines' minimum for what is not text), and its
// value on the classic light desktop the design was drawn on otherwise.
// Controls apply it each time they paint, so it follows every change of the
// desktop's palette, however it comes.

// The contrast ratio of two colours, from 1 to 21, from their relative
// luminance as the guidelines define it.
double contrastRatio(const QColor& first, const QColor& second);

// The classic desktop's text and selection colours.
inline const QColor kClassicText(0, 0, 0);
inline const QColor kClassicHighlight(0, 0, 128);

// `ink` where it reads on `ground`, otherwise `fallback`.
QColor readableInk(const QColor& ink, const QColor& ground, const QColor& fallback);

// The desktop's window text for `control` where it reads on the fixed fill
// the control stands on; black where not.
QColor readableWindowText(const QWidget* control);

// The desktop's selection colour for `control` where it reads on `ground`;
// navy where not.
QColor readableHighlight(const QWidget* control, const QColor& ground);

} // namespace toolkit
