// SPDX-License-Identifier: MIT
#include "designlabel.h"

#include "panel.h"

#include <QPainter>

namespace toolkit {

DesignLabel::DesignLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// As QLabel draws plain text, in the ink chosen now.
void DesignLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(foregroundRole() == QPalette::Highlight ? readableHighlight(this, fixedFillUnder(this), Ink::Text)
                                                           : readableWindowText(this, Ink::Text));
    painter.drawText(contentsRect(), int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}

} // namespace toolkit
