// SPDX-License-Identifier: MIT
// The temporary files of a Save on Unix: created, held, and removed once no
// Save holds them.
#include "fileoutput_p.h"
#include "fileoutput_unix_p.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>

namespace toolkit {

namespace {

const QString kKeptTaking = QStringLiteral("Another program kept taking the new file before it could be written.");

// Makes a file just made this Save's to write: locked by it, where the file
// system has locks, and still named. A file is only seen by others once it
// has a name, and another copy's clean-up may take its lock in the instant
// before this one does; the file is then gone or about to go. A file given
// up is removed where it is still this Save's, and the result says why it
// was given up.
WriteResult claim(int directory, const QByteArray& name, int fd, struct stat& own)
{
    if (::fstat(fd, &own) != 0) {
        const WriteResult failure = systemFailure();
        // Made a moment ago with O_EXCL: the name is this Save's own still.
        ::unlinkat(directory, name.constData(), 0);
        return failure;
    }
    // Where the file system refuses locks (NFS with no lock manager
    // answering), no clean-up can take one either, so the file is kept
    // unlocked.
    if (retried([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) != 0 && errno == EWOULDBLOCK) {
        removeIfNamed(directory, name, own);
        return WriteResult::failed(kKeptTaking);
    }
    if (!isNamed(directory, name, own))
        return WriteResult::failed(kKeptRemoving);
    return {};
}

} // namespace

bool isNamed(int directory, const QByteArray& name, const struct stat& own)
{
    struct stat named {};
    return ::fstatat(directory, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == own.st_dev
        && named.st_ino == own.st_ino;
}

void removeIfNamed(int directory, const QByteArray& name, const struct stat& own)
{
    if (isNamed(directory, name, own))
        ::unlinkat(directory, name.constData(), 0);
}

// The file is returned locked, so that another copy's removeLeftovers keeps
// it. It never opens a file that exists, so nothing planted there is
// followed or written into. Where every try fails, the first true cause is
// given, not the last name's.
Temporary createTemporary(int directory, mode_t mode)
{
    Temporary made;
    WriteResult cause;
    for (int attempt = 0; attempt < 100; ++attempt) {
        made.name = temporaryName();
        made.file = Descriptor(retried([&] {
            return ::openat(directory, made.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            mode);
        }));
        if (made.file.fd < 0 && errno != EEXIST) {
            made.result = systemFailure();
            return made;
        }
        if (made.file.fd < 0)
            continue;
        const WriteResult claimed = claim(directory, made.name, made.file.fd, made.status);
        if (claimed.written())
            return made;
        if (cause.written())
            cause = claimed;
    }
    made.file = Descriptor();
    made.result = cause.written() ? systemFailure(EEXIST) : cause;
    return made;
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
        // The lock is taken before the name is checked again, so the file
        // removed is the one no Save holds.
        if (leftover.fd >= 0 && ::flock(leftover.fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(leftover.fd, &held) == 0
            && S_ISREG(held.st_mode) && held.st_uid == ::geteuid())
            removeIfNamed(directory, entry->d_name, held);
    }
    ::closedir(entries);
}

} // namespace toolkit
