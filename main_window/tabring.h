#pragma once

#include <QWidget>

#include <vector>

// The main window's keyboard route: Tab and Shift+Tab go round the design's
// chain (the left panel, the three channel boxes, the six buttons, the
// bottom strip) and wrap at either end; F6 leaves the chain for the design
// view and comes back to where the keyboard was.
class TabRing {
public:
    TabRing() = default;
    // `chain` in Tab's order; `start` is where the keyboard begins.
    TabRing(std::vector<QWidget*> chain, QWidget* start);

    QWidget* start() const { return m_start; }
    void step(bool forward) const;
    // Remembers where to come back to, if the focus is on the chain.
    void leave(QWidget* focus);
    void comeBack() const;

private:
    std::vector<QWidget*> m_chain;
    QWidget* m_start = nullptr;
    QWidget* m_return = nullptr;
};
