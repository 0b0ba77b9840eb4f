// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace toolkit {

// A docked picture box: a container filled with a fixed colour of the
// design. Like every picture box it is a stop in the keyboard's tab chain,
// and while it has the focus it shows it as the style shows focus on a
// plain widget. The mouse gives it no focus.
class Panel : public QWidget {
    Q_OBJECT
public:
    Panel(const char* name, const QColor& background, const QString& accessibleName);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace toolkit
