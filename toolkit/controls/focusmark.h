// SPDX-License-Identifier: MIT
#pragma once

#include <QFocusEvent>
#include <QWidget>

namespace toolkit {

// Whether a control shows that it has the focus: only while the keyboard put
// the focus there (Tab, Shift+Tab, or a shortcut such as F6), not the mouse.
// A control tells it of each focus it takes.
class FocusMark {
public:
    void focusIn(const QFocusEvent* event)
    {
        const Qt::FocusReason reason = event->reason();
        m_byKeyboard =
            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    }
    // The mouse took over: the mark goes until the keyboard moves the focus.
    void hide() { m_byKeyboard = false; }
    bool shownOn(const QWidget* control) const { return m_byKeyboard && control->hasFocus(); }

private:
    bool m_byKeyboard = false;
};

} // namespace toolkit
