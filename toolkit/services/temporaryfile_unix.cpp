// SPDX-License-Identifier: MIT
// The temporary files of a Save on Unix: created, given their group, and
// removed once no Save holds them.
#include "fileoutput_p.h"
#include "fileoutput_unix_p.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>

namespace toolkit {

// The file is returned locked, so that another copy's removeLeftovers keeps
// it. It never opens a file that exists, so nothing planted there is
// followed or written into.
// A file is only seen by others once it has a name, and another copy may take
// its lock in the instant before this one does; the file is then gone or
// about to go, and another name is tried. Where the file system refuses
// locks (NFS with no lock manager answering), no clean-up can take one
// either, so the file is kept unlocked. The mode, narrowed by the umask as
// for any new file, is the file's final one but for the group's bits.
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
        if (file.fd >= 0
            && (retried([&] { return ::flock(file.fd, LOCK_EX | LOCK_NB); }) == 0 || errno != EWOULDBLOCK)
            && ::fstat(file.fd, &status) == 0 && status.st_nlink > 0)
            return file.release();
    }
    errno = EEXIST;
    return -1;
}

namespace {

// The process's umask, which only Linux tells without changing it; elsewhere
// the strictest is assumed, so a group is never given what it might not have.
mode_t creationMask()
{
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            bool octal = false;
            const uint mask = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&octal, 8) : 0;
            if (octal)
                return mode_t(mask);
        }
    }
#endif
    return 077;
}

} // namespace

// A folder may give new files its own group (setgid, or by the system's
// rule), which would open the old file's contents to that group. The file is
// created with no group bits; it then takes the old file's group where the
// saver may set it, with the old group bits, or else gives the folder's group
// no more than everyone had.
int settleGroup(int fd, const struct stat& old)
{
    struct stat created {};
    if (::fstat(fd, &created) != 0)
        return -1;
    mode_t group = old.st_mode & 060 & ~creationMask();
    if (created.st_gid != old.st_gid && ::fchown(fd, uid_t(-1), old.st_gid) != 0)
        group &= (old.st_mode & 07) << 3;
    return group == 0 ? 0 : retried([&] { return ::fchmod(fd, (created.st_mode & 0777) | group); });
}

// A Save killed halfway leaves its temporary file behind; a running Save
// holds a lock on its own. Removes the files that are plainly ours and
// abandoned: named as createTemporary names them, regular files of this
// user, and no longer locked by anyone. Where the file system refuses locks,
// nothing is proven abandoned, and nothing is removed.
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

} // namespace toolkit
