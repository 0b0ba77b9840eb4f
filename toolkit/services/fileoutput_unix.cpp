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

// Errors that only show once the data reaches the disk (a full quota on
// NFS, a failing disk) show here, while the old file is still whole.
WriteResult syncData(int fd)
{
#ifdef Q_OS_LINUX
    const int synced = retried([fd] { return ::fdatasync(fd); });
#else
    const int synced = retried([fd] { return ::fsync(fd); });
#endif
    return synced == 0 ? WriteResult() : systemFailure();
}

// The descriptor is released even when close reports EINTR, so closing again
// could close a descriptor opened meanwhile; the data was flushed before, so
// nothing is lost.
WriteResult closeOnce(int fd)
{
    return ::close(fd) == 0 || errno == EINTR ? WriteResult() : systemFailure();
}

WriteResult writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = retried([&] {
            return ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        });
        if (count <= 0)
            return systemFailure(count < 0 ? errno : ENOSPC);
        written += count;
    }
    return {};
}

const QString kSwapped = QStringLiteral("Another user changed the file in the folder while it was being saved, "
                                         "so the file there now is not the one written.");

// One try at replacing a file, and whether another try may succeed: the
// temporary file was removed by someone else before its rename.
struct Attempt {
    WriteResult result;
    bool vanished = false;
};

// Renames the written temporary file to `fileName`, where its name still
// leads to it, and reports saved only where `fileName` then does.
Attempt putInPlace(int directory, const Temporary& temporary, const QByteArray& fileName)
{
    // In a folder others may write, the name may lead elsewhere by now:
    // gone, or another user's file put in its place.
    if (!isNamed(directory, temporary.name, temporary.status)) {
        struct stat named {};
        const bool gone = ::fstatat(directory, temporary.name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0;
        return {WriteResult::failed(gone ? kKeptRemoving : kSwapped), gone};
    }
    if (retried([&] {
            return ::renameat(directory, temporary.name.constData(), directory, fileName.constData());
        }) != 0) {
        const int error = errno;
        removeIfNamed(directory, temporary.name, temporary.status);
        return {systemFailure(error), error == ENOENT};
    }
    if (!isNamed(directory, fileName, temporary.status))
        return {WriteResult::failed(kSwapped)};
    // From here the new file stands in place of the old one. Only once the
    // directory is on disk is that change itself safe from a power cut.
    if (retried([&] { return ::fsync(directory); }) != 0)
        return {{QString(), systemReason(errno)}};
    return {};
}

// Writes the bytes to a new temporary file and puts it in place of
// `fileName`; `old` is the file replaced, if any.
Attempt replaceWith(int directory, const QByteArray& fileName, const QByteArray& bytes, const struct stat* old)
{
    // Until it is given the old file's access, a new file replacing one is
    // its owner's alone; a first colors.DAT is made as any new file is.
    Temporary temporary = createTemporary(directory, old ? 0600 : 0666);
    if (!temporary.result.written())
        return {temporary.result};
    const auto discard = [&](const WriteResult& failure) {
        removeIfNamed(directory, temporary.name, temporary.status);
        return Attempt{failure};
    };
    // Each step is taken only where the one before it succeeded.
    WriteResult step = old ? settleAccess(temporary.file.fd, temporary.status, directory, fileName, *old)
                           : WriteResult();
    if (step.written())
        step = writeAll(temporary.file.fd, bytes);
    if (step.written())
        step = syncData(temporary.file.fd);
    if (!step.written())
        return discard(step);
    // The lock lasts as long as any descriptor of the file: this copy keeps
    // it until the rename, past the close whose result is checked.
    const Descriptor lock(retried([&] { return ::fcntl(temporary.file.fd, F_DUPFD_CLOEXEC, 0); }));
    step = lock.fd < 0 ? systemFailure() : closeOnce(temporary.file.release());
    if (!step.written())
        return discard(step);
    return putInPlace(directory, temporary, fileName);
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
        return systemFailure();
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
        return systemFailure();
    }

    // A Save whose live temporary file another machine's clean-up took for
    // a leftover starts again, a few times at most.
    for (int attempt = 1;; ++attempt) {
        const Attempt tried = replaceWith(directory.fd, fileName, bytes, replacing ? &existing : nullptr);
        if (!tried.vanished)
            return tried.result;
        if (attempt == 3)
            return WriteResult::failed(kKeptRemoving);
    }
}

} // namespace toolkit
