// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>

namespace toolkit {

// What a screen reader is told of a line edit: its text whole. Qt 6.4's own
// description gives the text one attribute run of no length, and Orca then
// reads a range one character short: "0" for a box holding 00. Offsets count
// in the text shown, so a password's dots are told, never its letters.
class AccessibleLineEdit : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QAccessible::State state() const override;

    QString text(int startOffset, int endOffset) const override
    {
        return edit()->displayText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(edit()->displayText().size()); }
    // One run over the whole text, in the font every control uses.
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { edit()->setCursorPosition(startIndex); }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

} // namespace toolkit
