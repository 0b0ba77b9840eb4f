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
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        named << QLatin1String("QT_QPA_PLATFORM=") + qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        named << QLatin1String(variable)
                + (qEnvironmentVariableIsEmpty(variable) ? QStringLiteral(" not set")
                                                          : u'=' + qEnvironmentVariable(variable));
    }
    return named.join(QLatin1String(", ")).toLocal8Bit();
}

// Qt's own words while it looks for the desktop are held back: shown as
// they came once a window can open, replaced by one line where none can.
QtMessageHandler g_qtHandler = nullptr;
struct HeldBack {
    QtMsgType type;
    const char* category;
    QString text;
};
QList<HeldBack> g_heldBack;

void reportUnreachableDesktop(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        g_heldBack.append({type, context.category, text});
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
    for (const HeldBack& message : std::as_const(g_heldBack))
        g_qtHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category), message.text);
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
