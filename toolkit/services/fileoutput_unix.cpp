// SPDX-License-Identifier: MIT
#include "fileoutput.h"
#include "fileoutput_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace toolkit {

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What stands at a name that is not a regular file, in the user's words.
QString kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return QStringLiteral("symbolic link");
    if (S_ISDIR(mode))
        return QStringLiteral("directory");
    if (S_ISFIFO(mode))
        return QStringLiteral("named pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("device");
    if (S_ISSOCK(mode))
        return QStringLiteral("socket");
    return QStringLiteral("special file");
}

// A signal arriving during a call is no reason to give up the Save.
template <typename Call>
auto retried(Call call)
{
    auto result = call();
    while (result == -1 && errno == EINTR)
        result = call();
    return result;
}

int syncData(int fd)
{
#ifdef Q_OS_LINUX
    return retried([fd] { return ::fdatasync(fd); });
#else
    return retried([fd] { return ::fsync(fd); });
#endif
}

// The descriptor is released even when close reports EINTR, so closing again
// could close a descriptor opened meanwhile; the data was flushed before, so
// nothing is lost.
int closeOnce(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? 0 : -1;
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

// The names createTemporary gives: the prefix and a 32-bit number in base 36.
bool isTemporaryName(const char* name)
{
    const QByteArray text(name);
    if (!text.startsWith(kTemporaryPrefix))
        return false;
    const QByteArray tail = text.mid(kTemporaryPrefix.size());
    return !tail.isEmpty() && tail.size() <= 7
        && std::all_of(tail.begin(), tail.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
           });
}

// Creates a new, empty temporary file in the directory, read and write for
// all as narrowed by the umask, as for any new file; never opens one that
// exists, so nothing planted there is followed or written into.
int createTemporary(int directory, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName();
        const int fd = retried([&] {
            return ::openat(directory, name.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        });
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// A Save killed halfway leaves its temporary file behind. Removes those that
// are plainly ours and abandoned: regular files, named as createTemporary
// names them, of this user, untouched for a minute, so that a Save running
// at this moment in another copy of the program keeps its own.
void removeLeftovers(int directory)
{
    const int listing = retried([directory] {
        return ::openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    });
    if (listing < 0)
        return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    const time_t abandoned = ::time(nullptr) - 60;
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        if (isTemporaryName(entry->d_name)
            && ::fstatat(directory, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_mtime < abandoned)
            ::unlinkat(directory, entry->d_name, 0);
    }
    ::closedir(entries);
}

QString writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = retried([&] {
            return ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        });
        if (count <= 0)
            return systemReason(count < 0 ? errno : ENOSPC);
        written += count;
    }
    return {};
}

} // namespace

void treatFileSizeLimitAsWriteError()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    if (QDir::isRelativePath(path))
        return notAbsolute(path);
    const QFileInfo target(path);
    const QByteArray directoryName = QFile::encodeName(target.absolutePath());
    const QByteArray fileName = QFile::encodeName(target.fileName());

    // Everything below happens relative to the directory opened here, so a
    // directory renamed meanwhile cannot send the file anywhere else.
    Descriptor directory{retried([&] {
        return ::openat(AT_FDCWD, directoryName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    })};
    if (directory.fd < 0)
        return failed(systemReason(errno));
    removeLeftovers(directory.fd);

    struct stat existing {};
    bool replacing = false;
    if (::fstatat(directory.fd, fileName.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(existing.st_mode))
            return notARegularFile(kindOf(existing.st_mode));
        replacing = true;
    } else if (errno != ENOENT) {
        return failed(systemReason(errno));
    }

    QByteArray temporaryName;
    Descriptor file{createTemporary(directory.fd, temporaryName)};
    if (file.fd < 0)
        return failed(systemReason(errno));
    const auto discard = [&](const QString& reason) {
        ::unlinkat(directory.fd, temporaryName.constData(), 0);
        return failed(reason);
    };
    // The user's own file keeps its permissions. Someone else's file in a
    // shared folder is no model: its replacement is the saver's new file,
    // and never inherits setuid, setgid or sticky bits.
    if (replacing && existing.st_uid == ::geteuid())
        ::fchmod(file.fd, existing.st_mode & 0777);

    const QString failure = writeAll(file.fd, bytes);
    if (!failure.isEmpty())
        return discard(failure);
    // Errors that only show once the data reaches the disk (a full quota on
    // NFS, a failing disk) show here, while the old file is still whole.
    if (syncData(file.fd) != 0)
        return discard(systemReason(errno));
    if (closeOnce(file.release()) != 0)
        return discard(systemReason(errno));
    if (retried([&] {
            return ::renameat(directory.fd, temporaryName.constData(), directory.fd, fileName.constData());
        }) != 0)
        return discard(systemReason(errno));
    // From here the new file stands in place of the old one. Only once the
    // directory is on disk is that change itself safe from a power cut.
    if (retried([&] { return ::fsync(directory.fd); }) != 0)
        return {QString(), systemReason(errno)};
    return {};
}

} // namespace toolkit
