// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <utility>
#include <vector>

class QWidget;

namespace toolkit {

// Puts in place, for the whole program, what screen readers are told: line
// edits read whole, child-window areas passed over, and of the panels and
// frames only their controls, not the shapes that only decorate them, the
// controls the design keeps hidden, nor the captions that a click target
// over them says already. A named shape tells its colour as its value, six
// hexadecimal digits. A child window partly scrolled out of its area still
// shows. The program does it once, as it starts.
void installAccessibleInterfaces();

// Gives each control the description a screen reader reads when the
// control is reached. A change is heard as it is made where Qt passes the
// new text on (from Qt 6.8) and the control has the focus; where none is,
// `news`, if any, is announced from `from` instead.
void describe(QWidget* from, const std::vector<std::pair<QWidget*, QString>>& descriptions, const QString& news);

// Tells a screen reader what a key just changed, once, where the change
// lies away from the focus: the platform's announcement where Qt has one
// (from Qt 6.8), before it a notification of the window that `from` lies
// in, which draws nothing and takes no input.
void announce(QWidget* from, const QString& text);

} // namespace toolkit
