// SPDX-License-Identifier: MIT
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

const QString kProgramsDirectory = QStringLiteral("program's directory");
const QString kChosenFolder = QStringLiteral("chosen folder");

ProgramDirectory unknown(const QString& why)
{
    return {QString(), why};
}

ProgramDirectory notText(const QString& what, const QString& directory)
{
    return unknown(QStringLiteral("The name of the %1 is not valid text (%2), "
                                  "so no file can be written there safely.")
                       .arg(what, QDir::toNativeSeparators(directory)));
}

// An existing absolute directory, as Qt would name it, or the problem with it.
ProgramDirectory checked(const QString& what, const QString& directory)
{
    if (directory.isEmpty() || QDir::isRelativePath(directory))
        return unknown(QStringLiteral("The system did not say where the program lies."));
    if (!QFileInfo(directory).isDir())
        return unknown(QStringLiteral("The %1 %2 no longer exists.")
                           .arg(what, QDir::toNativeSeparators(directory)));
    return {QDir::cleanPath(directory), QString()};
}

} // namespace

ProgramDirectory ProgramDirectory::of(const QByteArray& programFile)
{
    const QString name = QFile::decodeName(programFile);
    if (QFile::encodeName(name) != programFile)
        return notText(kProgramsDirectory, QFileInfo(name).path());
    return checked(kProgramsDirectory, QFileInfo(name).path());
}

ProgramDirectory ProgramDirectory::chosen(const QString& folder)
{
    if (folder.contains(QChar::ReplacementCharacter))
        return notText(kChosenFolder, folder);
    return checked(kChosenFolder, folder);
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
    QString directory = QCoreApplication::applicationDirPath();
#ifdef Q_OS_MACOS
    // The folder the user sees holds the bundle, not its Contents/MacOS.
    if (directory.endsWith(QStringLiteral(".app/Contents/MacOS")))
        directory = QDir::cleanPath(directory + QStringLiteral("/../../.."));
#endif
    return checked(kProgramsDirectory, directory);
#endif
}

} // namespace toolkit
