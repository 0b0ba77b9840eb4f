// SPDX-License-Identifier: MIT
// Who may read and write a new colors.DAT on Unix: those who could read and
// write the one it replaces, no one more.
#include "fileoutput_unix_p.h"

#include <QList>

#include <fcntl.h>
#include <memory>
#include <type_traits>

#ifdef QV_HAVE_ACL
#include <acl/libacl.h>
#include <sys/acl.h>
#endif

namespace toolkit {

namespace {

// The process's umask, which only Linux tells without changing it; elsewhere,
// or where it can't be read, the strictest is assumed, so no one is given
// what they might not have.
mode_t creationMask()
{
#ifdef Q_OS_LINUX
    const Descriptor status(retried([] { return ::openat(AT_FDCWD, "/proc/self/status", O_RDONLY | O_CLOEXEC); }));
    char text[4096];
    const ssize_t length = status.fd < 0 ? -1 : retried([&] { return ::read(status.fd, text, sizeof text); });
    for (const QByteArray& line : QByteArray(text, length > 0 ? int(length) : 0).split('\n')) {
        bool octal = false;
        const uint mask = line.startsWith("Umask:") ? line.mid(6).trimmed().toUInt(&octal, 8) : 0;
        if (octal)
            return mode_t(mask);
    }
#endif
    return 077;
}

#ifdef QV_HAVE_ACL
using Acl = std::unique_ptr<std::remove_pointer_t<acl_t>, int (*)(void*)>;

// The old file's access list where it holds more than its mode, read through
// the file itself, so a name swapped meanwhile is not followed; null where it
// holds no more, or the file system keeps no lists.
Acl extendedAcl(int directory, const QByteArray& fileName, const struct stat& old)
{
    const Descriptor file(retried([&] {
        return ::openat(directory, fileName.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    }));
    struct stat status {};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || status.st_dev != old.st_dev || status.st_ino != old.st_ino)
        return Acl(nullptr, acl_free);
    Acl acl(acl_get_file(("/proc/self/fd/" + QByteArray::number(file.fd)).constData(), ACL_TYPE_ACCESS), acl_free);
    if (acl && acl_equiv_mode(acl.get(), nullptr) == 0)
        acl.reset();
    return acl;
}

// Calls `visit` with each entry's tag and permissions, which it may change.
template <typename Visit>
void forEachEntry(acl_t acl, Visit visit)
{
    acl_entry_t entry = nullptr;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1; which = ACL_NEXT_ENTRY) {
        acl_tag_t tag = ACL_UNDEFINED_TAG;
        acl_permset_t permissions = nullptr;
        if (acl_get_tag_type(entry, &tag) == 0 && acl_get_permset(entry, &permissions) == 0)
            visit(tag, permissions);
    }
}

// The old list, without execute permissions; where the file could not keep
// its old group, that group's entry holds no more than everyone had.
void narrow(acl_t acl, bool groupKept)
{
    bool othersRead = false, othersWrite = false;
    forEachEntry(acl, [&](acl_tag_t tag, acl_permset_t permissions) {
        acl_delete_perm(permissions, ACL_EXECUTE);
        if (tag == ACL_OTHER) {
            othersRead = acl_get_perm(permissions, ACL_READ) == 1;
            othersWrite = acl_get_perm(permissions, ACL_WRITE) == 1;
        }
    });
    forEachEntry(acl, [&](acl_tag_t tag, acl_permset_t permissions) {
        if (tag == ACL_GROUP_OBJ && !groupKept && !othersRead)
            acl_delete_perm(permissions, ACL_READ);
        if (tag == ACL_GROUP_OBJ && !groupKept && !othersWrite)
            acl_delete_perm(permissions, ACL_WRITE);
    });
}
#endif

// The mode, where the old file has no list beyond it: the old one narrowed
// by the umask, the group's bits where the file could not keep its group no
// more than everyone had.
mode_t narrowedMode(const struct stat& old, bool groupKept)
{
    mode_t group = old.st_mode & 060;
    if (!groupKept)
        group &= (old.st_mode & 06) << 3;
    return ((old.st_mode & 0606) | group) & ~creationMask();
}

} // namespace

WriteResult settleAccess(int fd, const struct stat& created, int directory, const QByteArray& fileName,
                         const struct stat& old)
{
    // Root saving a user's file gives it back; anyone else may not, and the
    // file is then the saver's. A folder may give new files its own group
    // (setgid, or by the system's rule), which would open the old file's
    // contents to that group; the old group is kept where the saver may set it.
    const bool groupKept = (created.st_uid == old.st_uid && created.st_gid == old.st_gid)
        || ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, uid_t(-1), old.st_gid) == 0;
#ifdef QV_HAVE_ACL
    // The new file may have taken the folder's default list as it was made;
    // setting a list replaces it whole, so the old file's list, or a list of
    // its mode alone, is all it carries.
    Acl acl = extendedAcl(directory, fileName, old);
    if (acl)
        narrow(acl.get(), groupKept);
    else
        acl.reset(acl_from_mode(narrowedMode(old, groupKept)));
    if (acl && acl_set_fd(fd, acl.get()) == 0)
        return {};
    // A file system that keeps no lists (FAT, NFS without them) keeps the mode.
    if (errno != ENOTSUP)
        return systemFailure();
#else
    Q_UNUSED(directory);
    Q_UNUSED(fileName);
#endif
    if (retried([&] { return ::fchmod(fd, narrowedMode(old, groupKept)); }) != 0)
        return systemFailure();
    return {};
}

} // namespace toolkit
