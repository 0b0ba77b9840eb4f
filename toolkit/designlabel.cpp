// SPDX-License-Identifier: MIT
#include "designlabel.h"

#include "contrast.h"

#include <QEvent>


namespace toolkit {

DesignLabel::DesignLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chooseInk();
}

void DesignLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        chooseInk();
}

// The ink is judged against the container's palette, which follows the
// desktop; the label's own palette sets only the ink, so it takes every
// other change as before. Setting it is itself a palette change.
void DesignLabel::chooseInk()
{
    if (m_choosing || !parentWidget())
        return;
    m_choosing = true;
    QPalette own;
    own.setColor(QPalette::WindowText, readableWindowText(parentWidget()->palette()));
    setPalette(own);
    m_choosing = false;
}

} // namespace toolkit
