// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace toolkit {

// A frame drawn as classic frames are: an etched border inside its design
// rectangle whose top line runs through the middle of the caption, the
// caption over it from the left on the fixed fill it stands on, and nothing
// painted inside, so the interior is that fill exactly. The style's own
// group box puts its caption above the box, which would shorten the box and
// push the caption into the controls placed inside it.
class ClassicFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace toolkit
