#include "tabring.h"

#include "controls.h"

#include <algorithm>
#include <utility>

TabRing::TabRing(std::vector<QWidget*> chain, QWidget* start)
    : m_chain(std::move(chain))
    , m_start(start)
    , m_return(start)
{
}

void TabRing::step(bool forward) const
{
    toolkit::focusRound(m_chain, forward);
}

void TabRing::leave(QWidget* focus)
{
    if (std::find(m_chain.begin(), m_chain.end(), focus) != m_chain.end())
        m_return = focus;
}

void TabRing::comeBack() const
{
    m_return->setFocus(Qt::ShortcutFocusReason);
}
