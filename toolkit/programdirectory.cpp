#include "programdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace toolkit {

namespace {

ProgramDirectory unknown(const QString& why)
{
    return {QString(), why};
}

// An existing absolute directory, as Qt would name it, or the problem with it.
ProgramDirectory checked(const QString& directory)
{
    if (directory.isEmpty() || QDir::isRelativePath(directory))
        return unknown(QStringLiteral("The system did not say where the program lies."));
    if (!QFileInfo(directory).isDir())
        return unknown(QStringLiteral("The program's directory %1 no longer exists.")
                           .arg(QDir::toNativeSeparators(directory)));
    return {QDir::cleanPath(directory), QString()};
}

} // namespace

ProgramDirectory ProgramDirectory::of(const QByteArray& programFile)
{
    const QString name = QFile::decodeName(programFile);
    if (QFile::encodeName(name) != programFile)
        return unknown(QStringLiteral("The name of the program's directory is not valid text (%1), "
                                      "so no file can be written there safely.")
                           .arg(QDir::toNativeSeparators(QFileInfo(name).path())));
    return checked(QFileInfo(name).path());
}

ProgramDirectory ProgramDirectory::current()
{
#ifdef Q_OS_LINUX
    // Qt's own answer turns into an empty text for a directory whose name is
    // not valid UTF-8, and an empty directory would mean the working one; the
    // raw bytes tell which case this is.
    QByteArray link(4096, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", link.data(), size_t(link.size()));
        if (length < 0)
            return unknown(QStringLiteral("The system did not say where the program lies: %1.")
                               .arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (length < link.size())
            return of(link.left(length));
        link.resize(link.size() * 2);
    }
#else
    return checked(QCoreApplication::applicationDirPath());
#endif
}

} // namespace toolkit
