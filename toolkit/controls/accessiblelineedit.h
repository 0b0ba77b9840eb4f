// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>

namespace toolkit {

// What a screen reader is told of a line edit: its text whole. Qt 6.4's own
// description gives the text one attribute run of no length, and Orca then
// reads a range one character short: "0" for a box holding 00.
class AccessibleLineEdit : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLineEdit(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString& text) override;
    QAccessible::State state() const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    // One run over the whole text, in the font every control uses.
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    int selectionCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

} // namespace toolkit
