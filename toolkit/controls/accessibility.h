// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace toolkit {

// Puts in place what follows, for the whole program; the program does it
// once, as it starts.
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

} // namespace toolkit
