#include "fileoutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#else
#include <QSaveFile>
#endif

namespace toolkit {

namespace {

QString notAbsolute(const QString& path)
{
    return QStringLiteral("%1 is not an absolute path.").arg(path);
}

QString standingThere(const QString& kind)
{
    return QStringLiteral("A %1 stands there, not a regular file; it was left as it is.").arg(kind);
}

} // namespace

#ifdef Q_OS_UNIX

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

int syncData(int fd)
{
#ifdef Q_OS_LINUX
    return ::fdatasync(fd);
#else
    return ::fsync(fd);
#endif
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

// Creates a new, empty temporary file in the directory; never opens one
// that exists, so nothing planted there is followed.
int createTemporary(int directory, QByteArray& name, mode_t mode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = ".colors.tmp." + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::openat(directory, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

QString writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return systemReason(count < 0 ? errno : ENOSPC);
        written += count;
    }
    return {};
}

} // namespace

void survivesFileSizeLimits()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

QString writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    if (QDir::isRelativePath(path))
        return notAbsolute(path);
    const QFileInfo target(path);
    const QByteArray directoryName = QFile::encodeName(target.absolutePath());
    const QByteArray fileName = QFile::encodeName(target.fileName());

    // Everything below happens relative to the directory opened here, so a
    // directory renamed meanwhile cannot send the file anywhere else.
    Descriptor directory{::open(directoryName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (directory.fd < 0)
        return systemReason(errno);

    struct stat existing {};
    mode_t mode = 0666; // narrowed by the umask, as for any new file
    if (::fstatat(directory.fd, fileName.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(existing.st_mode))
            return standingThere(kindOf(existing.st_mode));
        mode = existing.st_mode & 07777;
    } else if (errno != ENOENT) {
        return systemReason(errno);
    }

    QByteArray temporaryName;
    Descriptor file{createTemporary(directory.fd, temporaryName, mode)};
    if (file.fd < 0)
        return systemReason(errno);
    const auto discard = [&](const QString& reason) {
        ::unlinkat(directory.fd, temporaryName.constData(), 0);
        return reason;
    };
    // The umask narrowed the mode of the new file; an existing file's own
    // permissions carry over to its replacement.
    if (existing.st_mode != 0)
        ::fchmod(file.fd, mode);

    const QString failure = writeAll(file.fd, bytes);
    if (!failure.isEmpty())
        return discard(failure);
    // Errors that only show once the data reaches the disk (a full quota on
    // NFS, a failing disk) show here, while the old file is still whole.
    if (syncData(file.fd) != 0)
        return discard(systemReason(errno));
    if (::close(file.release()) != 0)
        return discard(systemReason(errno));
    if (::renameat(directory.fd, temporaryName.constData(), directory.fd, fileName.constData()) != 0)
        return discard(systemReason(errno));
    // The rename itself is only durable once the directory is on disk.
    if (::fsync(directory.fd) != 0)
        return systemReason(errno);
    return {};
}

#else

void survivesFileSizeLimits()
{
    // Only Unix signals a file-size limit; elsewhere it is a write error already.
}

QString writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    if (QDir::isRelativePath(path))
        return notAbsolute(path);
    const QFileInfo target(path);
    if (target.isSymLink() || target.isShortcut() || target.isJunction())
        return standingThere(QStringLiteral("link"));
    if (target.exists() && !target.isFile())
        return standingThere(target.isDir() ? QStringLiteral("directory") : QStringLiteral("device"));

    // Unbuffered, so that a short write shows here. QSaveFile flushes the
    // file to the disk (FlushFileBuffers on Windows) before it renames it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += count;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

#endif

} // namespace toolkit
