#pragma once

#include <QWidget>

namespace toolkit {

// An invisible control that lies over a region and reports clicks on it.
// It draws nothing, so whatever lies beneath shows through, except a focus
// mark around its region while the keyboard has put the focus on it: the
// keyboard reaches it with Tab, Shift+Tab and the arrow keys, and Space or
// Enter clicks it. A click takes the focus too, but shows no mark. Assistive technology sees a button with a press action.
class ClickTarget : public QWidget {
    Q_OBJECT
public:
    ClickTarget(int index, QWidget* parent);

    int index() const { return m_index; }

    // Reports a click, as the mouse, the keyboard or a screen reader makes it.
    void click();

Q_SIGNALS:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_index = 0;
    bool m_pressed = false;
    // The focus came from the keyboard, so its mark shows.
    bool m_markShown = false;
};

} // namespace toolkit
