// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace toolkit {

// A label as the design draws them: plain text from the top-left corner, on
// its container's fixed fill, in the desktop's text colour wherever that
// reads on the fill and in black where it does not (a dark desktop's near
// white on the panels' grey). It follows the desktop's palette as it changes.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    DesignLabel(const QString& caption, QWidget* parent);

protected:
    void changeEvent(QEvent* event) override;

private:
    void chooseInk();

    bool m_choosing = false;
};

} // namespace toolkit
