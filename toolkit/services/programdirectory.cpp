// SPDX-License-Identifier: MIT
#include "programdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace toolkit {

namespace {

const QString kProgramsDirectory = QStringLiteral("program's directory");
const QString kChosenFolder = QStringLiteral("chosen folder");

ProgramDirectory noDirectory(const QString& why)
{
    return {QString(), WriteResult::failed(why)};
}

ProgramDirectory notText(const QString& what, const QString& directory)
{
    return noDirectory(QStringLiteral("The name of the %1 is not valid text (%2), "
                                      "so no file can be written there safely.")
                       .arg(what, QDir::toNativeSeparators(directory)));
}

// An existing absolute directory, as Qt would name it, or the problem with it.
ProgramDirectory existingDirectory(const QString& what, const QString& directory)
{
    const QFileInfo found(directory);
    if (!found.isDir())
        return noDirectory(QStringLiteral("The %1 %2 %3.")
                           .arg(what, QDir::toNativeSeparators(directory),
                                found.exists() ? QStringLiteral("is not a folder")
                                               : QStringLiteral("no longer exists")));
    return {QDir::cleanPath(directory), {}};
}

// The program's directory as the system named it.
ProgramDirectory programDirectoryAt(const QString& directory)
{
    if (QDir::isRelativePath(directory))
        return noDirectory(QStringLiteral("The system did not say where the program lies."));
    return existingDirectory(kProgramsDirectory, directory);
}

#ifdef Q_OS_UNIX
// Whether a folder in `parent` reads as `name` but does not go back to the
// same bytes: its bytes were not valid text, and Qt put U+FFFD in their place.
// Only folders count: a folder chooser shows no files.
bool readsAsALostName(const QString& parent, const QString& name)
{
    DIR* entries = ::opendir(QFile::encodeName(parent).constData());
    if (!entries)
        return false;
    bool found = false;
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        found = found
            || (QFile::decodeName(entry->d_name) == name && QFile::encodeName(name) != entry->d_name
                && ::fstatat(::dirfd(entries), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode));
    }
    ::closedir(entries);
    return found;
}
#endif

// A chosen name with U+FFFD in it may be a real one, or one whose bytes were
// not valid text; that one would lead to a look-alike folder or none. Where
// the folder might be such a one, it is refused, with the reason: the name
// is not valid text, or, where a folder truly has that name too, the two
// can't be told apart.
WriteResult lostInDecoding(const QString& folder)
{
#ifdef Q_OS_UNIX
    QString parent = QStringLiteral("/");
    const QStringList parts = folder.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part.contains(QChar::ReplacementCharacter) && readsAsALostName(parent, part)) {
            if (!QFileInfo(parent + part).isDir())
                return notText(kChosenFolder, folder).result;
            const QString where = QDir::toNativeSeparators(QDir::cleanPath(parent));
            return WriteResult::failed(&part == &parts.last()
                ? QStringLiteral("Two folders in %1 show the same name as the chosen folder %2, "
                                 "so no file can be written there safely.").arg(where, part)
                : QStringLiteral("Two folders in %1 show the same name %2, on the way to the chosen folder %3, "
                                 "so no file can be written there safely.")
                      .arg(where, part, QDir::toNativeSeparators(QDir::cleanPath(folder))));
        }
        parent += part + u'/';
    }
#else
    // Elsewhere a name is text already.
    Q_UNUSED(folder);
#endif
    return {};
}

} // namespace

ProgramDirectory ProgramDirectory::of(const QByteArray& programFile)
{
    const QString name = QFile::decodeName(programFile);
    if (QFile::encodeName(name) != programFile)
        return notText(kProgramsDirectory, QFileInfo(name).path());
    return programDirectoryAt(QFileInfo(name).path());
}

ProgramDirectory ProgramDirectory::chosen(const QString& folder)
{
    if (QDir::isRelativePath(folder))
        return noDirectory(QStringLiteral("The chosen folder %1 is not an absolute path.")
                           .arg(QDir::toNativeSeparators(folder)));
    const WriteResult lost = lostInDecoding(folder);
    if (!lost.written())
        return {QString(), lost};
    return existingDirectory(kChosenFolder, folder);
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
            return noDirectory(QStringLiteral("The system did not say where the program lies: %1.")
                               .arg(QString::fromLocal8Bit(std::strerror(errno))));
        if (length < link.size())
            return of(link.left(length));
        link.resize(link.size() * 2);
    }
#else
    return programDirectoryAt(QCoreApplication::applicationDirPath());
#endif
}

} // namespace toolkit
