#pragma once

#include <QWidget>

namespace toolkit {

// An invisible control that lies over a region and reports clicks on it.
// It draws nothing at all, so whatever lies beneath shows through.
class ClickTarget : public QWidget {
    Q_OBJECT
public:
    ClickTarget(int index, QWidget* parent);

    int index() const { return m_index; }

Q_SIGNALS:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index = 0;
    bool m_pressed = false;
};

} // namespace toolkit
