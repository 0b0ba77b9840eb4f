// SPDX-License-Identifier: MIT
#include "fileoutput.h"
#include "fileoutput_p.h"
#include "fileoutput_unix_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace toolkit {

namespace {

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

// Writes the bytes to a new temporary file and puts it in place of
// `fileName`; `old` is the file replaced, if any. `vanished` tells that the
// temporary file was removed by someone else before its rename.
WriteResult replaceWith(int directory, const QByteArray& fileName, const QByteArray& bytes, const struct stat* old,
                        bool& vanished)
{
    // The new file is never more open than the one it replaces, nor than any
    // new file, and never carries setuid, setgid, sticky or execute bits.
    QByteArray temporaryName;
    Descriptor file{createTemporary(directory, temporaryName, old ? old->st_mode & 0606 : 0666)};
    if (file.fd < 0)
        return failed(systemReason(errno));
    const auto discard = [&](const QString& reason) {
        ::unlinkat(directory, temporaryName.constData(), 0);
        return failed(reason);
    };
    if (old && settleGroup(file.fd, *old) != 0)
        return discard(systemReason(errno));

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
    if (retried([&] { return ::renameat(directory, temporaryName.constData(), directory, fileName.constData()); })
        != 0) {
        vanished = errno == ENOENT;
        return discard(systemReason(errno));
    }
    // From here the new file stands in place of the old one. Only once the
    // directory is on disk is that change itself safe from a power cut.
    if (retried([&] { return ::fsync(directory); }) != 0)
        return {QString(), systemReason(errno)};
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

    // Where each machine's locks are its own (NFS mounted nolock), another
    // machine's clean-up may take this Save's live temporary file for a
    // leftover; the Save then starts again, a few times at most.
    for (int attempt = 1;; ++attempt) {
        bool vanished = false;
        const WriteResult result = replaceWith(directory.fd, fileName, bytes, replacing ? &existing : nullptr, vanished);
        if (!vanished || attempt == 3)
            return result;
    }
}

} // namespace toolkit
