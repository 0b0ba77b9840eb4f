// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

namespace toolkit {

// The contrast ratio of two colours, from 1 to 21, from their relative
// luminance as the Web Content Accessibility Guidelines define it.
double contrastRatio(const QColor& first, const QColor& second);

// The design takes its inks from the desktop and fixes its fills: on a dark
// or high-contrast desktop the ink can vanish on the fill. Returns `ink`
// where it reads on `ground`, 3 : 1 or more (the guidelines' minimum for
// what is not text), otherwise its classic light-desktop value `fallback`.
QColor readableInk(const QColor& ink, const QColor& ground, const QColor& fallback = QColor(0, 0, 0));

// The palette's window text where it reads on the palette's window fill.
QColor readableWindowText(const QPalette& palette);

} // namespace toolkit
