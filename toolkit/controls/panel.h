// SPDX-License-Identifier: MIT
#pragma once

#include "contrast.h"
#include "focusmark.h"

#include <QWidget>

namespace toolkit {

// A container filled with a fixed colour of the design, painted by the
// panel itself: a desktop's palette, which may be replaced at any time,
// never holds it. A docked picture box is one, and like every picture box
// a stop in the keyboard's tab chain where its window makes it one; while
// the keyboard has put the focus on it, it shows that with a line just
// inside its edge in the ink that reads on its fill, broken where a control
// lies over it, so that it never runs through a text.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(const QColor& fill, QWidget* parent = nullptr);

    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    FocusMark m_focusMark{this};
};

// The fixed fill that `control` stands on: that of the panel it lies in.
QColor fixedFillUnder(const QWidget* control);

// The desktop's window text for `control` where it reads on the fixed fill
// the control stands on; black where not.
QColor readableWindowText(const QWidget* control, Ink use);

} // namespace toolkit
