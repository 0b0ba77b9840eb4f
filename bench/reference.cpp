// SPDX-License-Identifier: MIT
// The floor any Qt 6 MDI program pays: a main window with a child-window
// area holding one child window, of QV Designer's sizes, and nothing else.
// Both windows have a caption, as every window does: a program that draws no
// text at all never starts the font system, which no real program avoids.
// Built a second time with REFERENCE_TICKS, it also runs an empty one-second
// timer: the floor of a program that must wake once a second. Built with
// REFERENCE_TEXT_BOX, it has one focused text box, as QV Designer has its red
// box, whose caret blinks.

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Reference"));
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    auto* child = new QWidget;
    child->setFixedSize(587, 389);
    child->setWindowTitle(QStringLiteral("Child"));
    area->addSubWindow(child)->show();
#ifdef REFERENCE_TEXT_BOX
    auto* box = new QLineEdit(QStringLiteral("00"));
    window.setMenuWidget(box);
#endif
    window.resize(682, 471);
    window.show();
#ifdef REFERENCE_TEXT_BOX
    box->setFocus();
#endif
#ifdef REFERENCE_TICKS
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(1000);
#endif
    return app.exec();
}
