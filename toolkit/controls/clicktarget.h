// SPDX-License-Identifier: MIT
#pragma once

#include "focusmark.h"

#include <QAbstractButton>

namespace toolkit {

// An invisible button that lies over a region of the mock-up. It draws
// nothing, so whatever lies beneath shows through, except a focus ring just
// inside its region while the keyboard has put the focus on it: the keyboard
// reaches it with Tab, Shift+Tab and the arrow keys, and Space, Return or
// Enter clicks it. A click of the mouse takes the focus too, but shows no
// ring. Assistive technology sees it as Qt's button, with a press action.
class ClickTarget : public QAbstractButton {
    Q_OBJECT
public:
    explicit ClickTarget(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The focus came from the keyboard, so its ring shows.
    FocusMark m_focusMark{this};
};

} // namespace toolkit
