// SPDX-License-Identifier: MIT
#include "a.h"
#include "declarations.h"
#include "form1.h"
#include "programservices.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Where X11 or Wayland is the desktop, Qt started without either aborts with
// advice to reinstall the program, which misleads: say what is missing.
bool desktopMissing(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return false;
    }
    return true;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (desktopMissing(argc, argv)) {
        std::fputs("QV Designer needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.\n", stderr);
        return 1;
    }
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
