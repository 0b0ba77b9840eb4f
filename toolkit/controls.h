// SPDX-License-Identifier: MIT
#pragma once

// Small pieces that both windows build their controls from.

#include <QString>

#include <string_view>
#include <vector>

class QColor;
class QLabel;
class QWidget;

namespace toolkit {

// The model's texts are single-byte; the windows show them as they are.
QString fromLatin1(std::string_view singleByte);

// A label as the design draws them: plain text from the top-left corner, on
// its container's background.
QLabel* createLabel(const QString& caption, QWidget* parent);

// Fills a container's background with a fixed colour of the design.
void fillBackground(QWidget* container, const QColor& colour);

// Moves the keyboard focus one step round `ring`, forwards or backwards,
// wrapping at either end; from outside the ring it enters at the first or
// last. Returns the widget that took the focus.
QWidget* focusRound(const std::vector<QWidget*>& ring, bool forward);

} // namespace toolkit
