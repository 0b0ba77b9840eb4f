// SPDX-License-Identifier: MIT
#pragma once

class QString;
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

// Gives a control the description a screen reader reads when the control
// is reached. Returns whether the change is heard as it is made, as it is
// for the focused control where Qt passes the new text on (from Qt 6.8);
// where it is not, the caller announces what changed.
bool describe(QWidget* control, const QString& description);

// Tells a screen reader what a key just changed, once, where the change
// lies away from the focus: the platform's announcement where Qt has one
// (from Qt 6.8), before it a notification of the window that `from` lies
// in, which draws nothing and takes no input.
void announce(QWidget* from, const QString& text);

} // namespace toolkit
