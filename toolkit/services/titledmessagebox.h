// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

class QSpacerItem;

namespace toolkit {

// A message box as wide as its title, and read without its rule lines.
// A window manager shortens a title that does not fit its window
// ("Veskoro D… r - About"), and a message box is only as wide as its text;
// so the box keeps room in its layout for its title in the bold title-bar
// font, with room for the window's icon and three buttons, each as wide as
// the title bar is high. The box sizes itself from its layout as it is
// shown, and centres itself with that size before it appears. A line made
// only of dashes rules the text off; a screen reader would read every
// dash, so the label showing the text is named without such lines.
class TitledMessageBox : public QMessageBox {
    Q_OBJECT
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void keepRoomForTitle();
    void nameTextWithoutRuleLines();

    QSpacerItem* m_titleRoom = nullptr;
};

} // namespace toolkit
