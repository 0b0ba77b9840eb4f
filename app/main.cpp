// SPDX-License-Identifier: MIT
#include "program.h"
#include "programservices.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Where X11 or Wayland is the desktop, Qt started without either, or unable
// to reach it, aborts with advice to reinstall the program, which misleads:
// say what is missing, in one line, and end with status 1.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
bool platformNamed(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "-platform=", 10) == 0)
            return true;
    }
    return false;
}

QByteArray desktopNamed()
{
    QStringList named;
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            named << QLatin1String(variable) + u'=' + qEnvironmentVariable(variable);
    }
    return named.join(QLatin1String(", ")).toLocal8Bit();
}

// Qt's own words while it looks for the desktop are held back: shown as
// they came once a window can open, replaced by one line where none can.
QtMessageHandler g_qtHandler = nullptr;
QList<std::pair<QtMsgType, QString>> g_heldBack;

void reportUnreachableDesktop(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        g_heldBack.append({type, text});
        return;
    }
    std::fprintf(stderr, "QV Designer could not reach the graphical desktop (%s).\n", desktopNamed().constData());
    std::_Exit(1);
}
#endif

} // namespace

int main(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !platformNamed(argc, argv)) {
        std::fputs("QV Designer needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.\n", stderr);
        return 1;
    }
    g_qtHandler = qInstallMessageHandler(reportUnreachableDesktop);
#endif
    QApplication app(argc, argv);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    qInstallMessageHandler(g_qtHandler);
    for (const auto& [type, text] : std::as_const(g_heldBack))
        qt_message_output(type, QMessageLogContext(), text);
#endif
#ifdef Q_OS_WIN
    // The Windows style draws the design view's frame a pixel taller than
    // the child-window area leaves it, and its caption without the bar;
    // Fusion, as on Linux, shows the mock-up as designed.
    QApplication::setStyle(QStringLiteral("fusion"));
#endif
    toolkit::ProgramServices services;
    Program program(services);
    return app.exec();
}
