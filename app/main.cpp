// SPDX-License-Identifier: MIT
#include "program.h"
#include "programservices.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Where X11 or Wayland is the desktop, Qt started without either, unable to
// reach it, or unable to load its platform plugin, aborts with advice to
// reinstall the program, which misleads: say what is wrong, in a line or
// two, and end with status 1.
#ifdef Q_OS_UNIX
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
// they came once a window can open, replaced by a line or two where none can.
QtMessageHandler g_qtHandler = nullptr;
struct HeldBack {
    QtMsgType type;
    const char* category;
    QString text;
};
QList<HeldBack> g_heldBack;

// Whether Qt found its platform plugin but not the desktop it serves.
bool desktopUnreachable()
{
    return std::any_of(g_heldBack.cbegin(), g_heldBack.cend(), [](const HeldBack& message) {
        return message.text.startsWith(QLatin1String("could not connect to display"))
            || message.text.startsWith(QLatin1String("Failed to create wl_display"));
    });
}

// Where Qt looks for platform plugins, as far as it says.
QByteArray pluginFolders()
{
    QStringList folders;
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH"))
        folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << QDir::toNativeSeparators(path + QLatin1String("/platforms"));
    return folders.join(QLatin1String(", ")).toLocal8Bit();
}

void reportFailedStart(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        g_heldBack.append({type, context.category, text});
        return;
    }
    if (desktopUnreachable()) {
        std::fprintf(stderr, "QV Designer could not reach the graphical desktop (%s).\n", desktopNamed().constData());
        std::_Exit(1);
    }
    // A plugin that won't load, or a platform Qt has no plugin for: Qt's
    // last word on it, without its advice to reinstall, and where it looked.
    QString reason = text.section(u'\n', 0, 0);
    for (const HeldBack& message : std::as_const(g_heldBack)) {
        if (qstrcmp(message.category, "qt.qpa.plugin") == 0)
            reason = message.text;
    }
    const QString available = text.section(QLatin1String("Available platform plugins are: "), 1).trimmed();
    std::fprintf(stderr, "QV Designer could not start: %s\nPlatform plugins were looked for in %s%s\n",
                 reason.toLocal8Bit().constData(), pluginFolders().constData(),
                 available.isEmpty() ? "." : qPrintable(QLatin1String("; found: ") + available));
    std::_Exit(1);
}
#endif

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_UNIX
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !platformNamed(argc, argv)) {
        std::fputs("QV Designer needs a graphical desktop: neither DISPLAY nor WAYLAND_DISPLAY is set.\n", stderr);
        return 1;
    }
    g_qtHandler = qInstallMessageHandler(reportFailedStart);
#endif
    // Docks and task switchers tie the window to its desktop entry by this
    // name: the app_id on Wayland; on X11 the entry's StartupWMClass names
    // the window's class.
    QGuiApplication::setDesktopFileName(QStringLiteral(QV_APP_ID));
    QApplication app(argc, argv);
#ifdef Q_OS_UNIX
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
