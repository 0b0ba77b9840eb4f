// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QWidget;

namespace toolkit {

// The ink rule. The design fixes its fills and takes its inks from the
// desktop, and the user chooses the regions' colours, so an ink can vanish
// on its ground. An ink is used where it reads there as the Web Content
// Accessibility Guidelines ask: 4.5 : 1 for text of this size, 3 : 1 for
// outlines, rings and other graphics. Where it does not, the classic light
// desktop's value is used if that reads, and black or white otherwise,
// whichever reads more. Controls apply it each time they paint, so it
// follows every change of the desktop's palette and of the colours under it.

enum class Ink { Text, Graphic };

// The classic desktop's text, selection and dark shadow colours.
inline const QColor kClassicText(0, 0, 0);
inline const QColor kClassicHighlight(0, 0, 128);
inline const QColor kClassicDarkShadow(64, 64, 64);

// `ink` where it reads on `ground` for its use, otherwise `fallback` where
// that does, otherwise black or white.
QColor readableInk(const QColor& ink, const QColor& ground, const QColor& fallback, Ink use);

// The desktop's selection colour for `control` where it reads on `ground`;
// navy, or black or white, where not.
QColor readableHighlight(const QWidget* control, const QColor& ground, Ink use);

} // namespace toolkit
