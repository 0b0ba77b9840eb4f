// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace toolkit {

// Puts in place what follows, line edits read whole and child-window areas
// passed over, for the whole program; the program does it once, as it starts.
void installAccessibleInterfaces();

// What a screen reader is told of a container: its controls, but not the
// shapes that only decorate it (a shape is a control only once it has an
// accessible name, as the swatch has), nor the controls the design keeps
// hidden. Each region of the mock-up is a button already; its shapes would
// only add unnamed fillers. A named shape tells its colour as its value,
// six hexadecimal digits. A child window partly scrolled out of its area
// still shows.
void hideDecoration(QWidget* container);

// Keeps a control of such a container out of the screen reader's way: a
// caption that the control over it says already.
void hideFromScreenReader(QWidget* control);

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
