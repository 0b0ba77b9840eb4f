// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>

namespace toolkit {

// A message box as wide as its title. A window manager shortens a title
// that does not fit its window ("Veskoro D… r - About"), and a message box
// is only as wide as its text; so once shown, the box widens to its title in
// the bold title-bar font, with room for the window's icon and three
// buttons, each as wide as the title bar is high.
class TitledMessageBox : public QMessageBox {
    Q_OBJECT
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override;

private:
    void hideRuleLines();
};

} // namespace toolkit
