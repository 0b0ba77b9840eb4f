// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace toolkit {

// A label as the design draws them: plain text from the top-left corner, on
// the fixed fill of the panel it lies in, in the desktop's text colour where
// that reads on the fill and in black where it does not (a dark desktop's
// near white on the panels' grey). A label in the selection colour, the
// maker's line, falls back to navy instead.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    DesignLabel(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace toolkit
