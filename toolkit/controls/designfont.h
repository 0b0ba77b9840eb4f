// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace toolkit {

// The one font every caption and text of both windows is drawn in: DejaVu
// Sans, compiled into the program (cut down to the Latin letters by
// scripts/subset-font), so the text measures the same on every machine
// whatever fonts it has. At 10 pixels (an 11-pixel line) it is the
// largest size at which every design caption fits its rectangle: "Made By
// Brisko (TWNQ)" on one line in 121 pixels, "Border Object" on two lines in
// 25. Hinting only sharpens it vertically, so the widths don't change with
// a machine's hinting settings.
QFont designFont();

} // namespace toolkit
