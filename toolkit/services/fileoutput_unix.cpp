// SPDX-License-Identifier: MIT
#include "fileoutput.h"
#include "fileoutput_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

// Creates a new, empty temporary file in the directory and returns it
// locked, so that another copy's removeLeftovers keeps it. It never opens a
// file that exists, so nothing planted there is followed or written into.
// A file is only seen by others once it has a name, and another copy may take
// its lock in the instant before this one does; the file is then gone or
// about to go, and another name is tried. The mode, narrowed by the umask as
// for any new file, is the file's final one.
int createTemporary(int directory, QByteArray& name, mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName();
        Descriptor file{retried([&] {
            return ::openat(directory, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        })};
        if (file.fd < 0 && errno != EEXIST)
            return -1;
        struct stat status {};
        if (file.fd >= 0 && retried([&] { return ::flock(file.fd, LOCK_EX | LOCK_NB); }) == 0
            && ::fstat(file.fd, &status) == 0 && status.st_nlink > 0)
            return file.release();
    }
    errno = EEXIST;
    return -1;
}

// A Save killed halfway leaves its temporary file behind; a running Save
// holds a lock on its own. Removes the files that are plainly ours and
// abandoned: named as createTemporary names them, regular files of this
// user, and no longer locked by anyone.
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
    while (const dirent* entry = ::readdir(entries)) {
        if (!isTemporaryName(entry->d_name))
            continue;
        const Descriptor leftover{retried([&] {
            return ::openat(directory, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        })};
        struct stat held {};
        struct stat named {};
        // The lock is taken before the name is checked again, so the file
        // removed is the one no Save holds.
        if (leftover.fd >= 0 && ::flock(leftover.fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(leftover.fd, &held) == 0
            && S_ISREG(held.st_mode) && held.st_uid == ::geteuid()
            && ::fstatat(directory, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0
            && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
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
        // Read-only for whoever saves; root may write anything, as ever.
        if (::faccessat(directory.fd, fileName.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
            return readOnly();
        replacing = true;
    } else if (errno != ENOENT) {
        return failed(systemReason(errno));
    }

    // The new file is never more open than the one it replaces, nor than any
    // new file; it is created so, with no later step that could fail, and
    // never carries setuid, setgid, sticky or execute bits.
    QByteArray temporaryName;
    Descriptor file{createTemporary(directory.fd, temporaryName, replacing ? existing.st_mode & 0666 : 0666)};
    if (file.fd < 0)
        return failed(systemReason(errno));
    const auto discard = [&](const QString& reason) {
        ::unlinkat(directory.fd, temporaryName.constData(), 0);
        return failed(reason);
    };

    const QString failure = writeAll(file.fd, bytes);
    if (!failure.isEmpty())
        return discard(failure);
    // Errors that only show once the data reaches the disk (a full quota on
    // NFS, a failing disk) show here, while the old file is still whole.
    if (syncData(file.fd) != 0)
        return discard(systemReason(errno));
    // The lock lasts as long as any descriptor of the file: this copy keeps
    // it until the rename, past the close whose result is checked.
    const Descriptor lock{retried([&] { return ::fcntl(file.fd, F_DUPFD_CLOEXEC, 0); })};
    if (lock.fd < 0)
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
