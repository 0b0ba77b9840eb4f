// SPDX-License-Identifier: MIT
#pragma once

#include <QFocusEvent>
#include <QWidget>

namespace toolkit {

// Whether a control shows that it has the focus: only while the keyboard put
// the focus there (Tab, Shift+Tab, or a shortcut such as F6), not the mouse.
// It watches each focus its control takes, before the control repaints for it.
class FocusMark : public QObject {
public:
    explicit FocusMark(QWidget* control)
        : QObject(control)
    {
        control->installEventFilter(this);
    }

    // The mouse took over: the mark goes until the keyboard moves the focus.
    void hide() { m_byKeyboard = false; }
    bool shownOn(const QWidget* control) const { return m_byKeyboard && control->hasFocus(); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            m_byKeyboard =
                reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
        }
        return false;
    }

private:
    bool m_byKeyboard = false;
};

} // namespace toolkit
