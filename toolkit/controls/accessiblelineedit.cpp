// SPDX-License-Identifier: MIT
#include "accessiblelineedit.h"

#include <QLineEdit>
#include <QStyle>

namespace toolkit {

void* AccessibleLineEdit::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleLineEdit::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return edit()->displayText();
    return QAccessibleWidget::text(kind);
}

void AccessibleLineEdit::setText(QAccessible::Text kind, const QString& text)
{
    if (kind == QAccessible::Value && !edit()->isReadOnly())
        edit()->setText(text);
    else
        QAccessibleWidget::setText(kind, text);
}

QAccessible::State AccessibleLineEdit::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    state.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
    return state;
}

QString AccessibleLineEdit::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void AccessibleLineEdit::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
}

void AccessibleLineEdit::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void AccessibleLineEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

// The text starts inside the frame and Qt's margin of two pixels, from the
// left, as every box of this program aligns it.
QRect AccessibleLineEdit::characterRect(int offset) const
{
    const QLineEdit* box = edit();
    const QString shown = box->displayText();
    if (offset < 0 || offset >= shown.size())
        return QRect();
    const QFontMetrics metrics = box->fontMetrics();
    const int frame = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
    const QRect contents = box->contentsRect().marginsRemoved(box->textMargins());
    const int left = contents.left() + frame + 2 + metrics.horizontalAdvance(shown.left(offset));
    const QRect character(left, contents.top() + (contents.height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return QRect(box->mapToGlobal(character.topLeft()), character.size());
}

} // namespace toolkit
