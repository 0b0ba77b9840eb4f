// SPDX-License-Identifier: MIT
#pragma once

// The main window's layout, in twips, and its fixed fills.

#include "twips.h"

#include <QColor>

namespace alayout {

// The client area below the menu bar, and the two docked panels: Picture1
// down the left edge above Picture2, which spans the bottom edge.
constexpr int kClientWidth = 10230;
constexpr int kClientHeight = 6780;
constexpr int kPicture1Width = 1785;
constexpr int kPicture2Height = 240;

// Left, Top, Width, Height in twips, each inside the container named.
//                                                 Left   Top  Width Height
constexpr toolkit::Twips kFrame1 /* Picture1 */ {   120,   120, 1455,  855};
constexpr toolkit::Twips kObj /* Frame1 */ {        240,   240,  975,  495};
constexpr toolkit::Twips kFrame2 /* Picture1 */ {   120,  1080, 1455, 2175};
constexpr toolkit::Twips kDefault /* Picture1 */ {  120,  3480, 1455, 1935};
constexpr toolkit::Twips kLabel1 /* Picture2 */ {  4320,     0, 1815,  375}; // taller than the strip

inline const QColor kPanelGrey(192, 192, 192);
inline const QColor kChildAreaGrey(224, 224, 224);

} // namespace alayout
