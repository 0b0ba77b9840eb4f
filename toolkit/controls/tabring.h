// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

namespace toolkit {

// A window's keyboard route: Tab and Shift+Tab go round its stops in the
// design's order and wrap at either end, entering at the first or the last
// from outside. F6 leaves the ring for the other pane and comes back to
// where the keyboard was on it.
class TabRing {
public:
    TabRing() = default;
    // `stops` in Tab's order; `start` is where the keyboard begins.
    TabRing(std::vector<QWidget*> stops, QWidget* start);

    QWidget* start() const { return m_start; }
    // Moves the focus one stop on; returns the stop that took it.
    QWidget* step(bool forward);
    // Remembers the focus as the place to come back to, if it is on the ring.
    void leave(QWidget* focus);
    // Puts the focus back where the keyboard last was on the ring, or at its
    // start, and returns that stop.
    QWidget* comeBack() const;

private:
    std::vector<QWidget*> m_stops;
    QWidget* m_start = nullptr;
    QWidget* m_return = nullptr;
};

} // namespace toolkit
