// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace toolkit {

// A rectangle filled solid, with an optional one-pixel outline drawn on its
// edge. Until an outline colour is set the outline follows the palette's
// window-text colour where that reads on the container's fixed fill, and is
// black where not.
// Setting a colour it already has costs nothing: no repaint is scheduled.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum class Outline { Drawn, None };

    explicit Shape(const QColor& fillColour, Outline outline, QWidget* parent);

    void setFillColour(const QColor& colour);
    void setBorderColour(const QColor& colour);

    QColor fillColour() const { return m_fill; }
    // The fill as six upper-case hexadecimal digits, red first.
    QString fillColourText() const { return m_fill.name().mid(1).toUpper(); }
    QColor borderColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_border;
    Outline m_outline = Outline::Drawn;
};

} // namespace toolkit
