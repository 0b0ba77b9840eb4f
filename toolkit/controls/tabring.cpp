// SPDX-License-Identifier: MIT
#include "tabring.h"

#include <QApplication>

#include <algorithm>
#include <utility>

namespace toolkit {

TabRing::TabRing(std::vector<QWidget*> stops, QWidget* start)
    : m_stops(std::move(stops))
    , m_start(start)
    , m_return(start)
{
}

QWidget* TabRing::step(bool forward)
{
    const auto at = std::find(m_stops.begin(), m_stops.end(), QApplication::focusWidget());
    const auto count = std::ptrdiff_t(m_stops.size());
    std::ptrdiff_t index = forward ? 0 : count - 1;
    if (at != m_stops.end())
        index = ((at - m_stops.begin()) + (forward ? 1 : count - 1)) % count;
    m_return = m_stops[std::size_t(index)];
    m_return->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return m_return;
}

void TabRing::leave(QWidget* focus)
{
    if (std::find(m_stops.begin(), m_stops.end(), focus) != m_stops.end())
        m_return = focus;
}

// As a shortcut's focus, so a box comes back with its text selected and the
// keyboard's mark shows.
QWidget* TabRing::comeBack() const
{
    m_return->setFocus(Qt::ShortcutFocusReason);
    return m_return;
}

} // namespace toolkit
