// SPDX-License-Identifier: MIT
#include "a.h"
#include "declarations.h"
#include "form1.h"
#include "programservices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The Windows style draws the design view's frame a pixel taller than
    // the child-window area leaves it, and its caption without the bar;
    // Fusion, as on Linux, shows the mock-up as designed.
    QApplication::setStyle(QStringLiteral("fusion"));
#endif
    toolkit::ProgramServices services;
    Declarations scheme;
    A mainWindow(scheme, services);
    auto* designView = new Form1(scheme);
    mainWindow.showDesignView(designView);
    // The two windows talk only through these.
    QObject::connect(designView, &Form1::regionSelected, &mainWindow, &A::showSelection);
    QObject::connect(&mainWindow, &A::slotPainted, designView, &Form1::paintSlot);
    QObject::connect(&mainWindow, &A::designViewFocusRequested, designView, &Form1::focusRegions);
    mainWindow.show();
    return app.exec();
}
