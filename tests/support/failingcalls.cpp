// SPDX-License-Identifier: MIT
// The system calls behind a Save, as failingcalls.h describes: each goes to
// the kernel unless a fault is armed for it.
#include "failingcalls.h"

#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

bool FailingCalls::isTemporary(int fd)
{
    char name[4096];
    const ssize_t length = readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(),
                                    name, sizeof name);
    return length > 0 && QByteArray(name, int(length)).contains("/.colors.tmp.");
}

extern "C" int openat(int directory, const char* path, int flags, ...)
{
    if (std::strcmp(path, "/proc/self/status") == 0 && FailingCalls::readUmask.strikes())
        return -1;
    mode_t mode = 0;
    if (flags & O_CREAT) {
        va_list arguments;
        va_start(arguments, flags);
        mode = mode_t(va_arg(arguments, int));
        va_end(arguments);
        if (FailingCalls::createFile.strikes())
            return -1;
        if (!FailingCalls::plantedAtTemporary.isEmpty()) {
            linkat(AT_FDCWD, FailingCalls::plantedAtTemporary.constData(), directory, path, 0);
            FailingCalls::plantedAtTemporary.clear();
        }
    }
    if ((flags & O_DIRECTORY) && FailingCalls::openDirectory.strikes())
        return -1;
    return int(syscall(SYS_openat, directory, path, flags, mode));
}

extern "C" int fdatasync(int fd)
{
    if (FailingCalls::dataSync.strikes())
        return -1;
    return int(syscall(SYS_fdatasync, fd));
}

extern "C" int fsync(int fd)
{
    struct stat status {};
    const bool directory = syscall(SYS_fstat, fd, &status) == 0 && S_ISDIR(status.st_mode);
    if ((directory ? FailingCalls::directorySync : FailingCalls::dataSync).strikes())
        return -1;
    return int(syscall(SYS_fsync, fd));
}

// Linux releases the descriptor even when close reports a failure.
extern "C" int close(int fd)
{
    if (FailingCalls::beforeCloseTemporary && FailingCalls::isTemporary(fd))
        std::exchange(FailingCalls::beforeCloseTemporary, nullptr)();
    const bool strikes = FailingCalls::closeTemporary.times != 0 && FailingCalls::isTemporary(fd);
    const int result = int(syscall(SYS_close, fd));
    if (strikes && FailingCalls::closeTemporary.strikes())
        return -1;
    return result;
}

extern "C" int renameat(int from, const char* oldName, int to, const char* newName) noexcept
{
    if (FailingCalls::beforeRename)
        std::exchange(FailingCalls::beforeRename, nullptr)();
    if (FailingCalls::rename.strikes())
        return -1;
    return int(syscall(SYS_renameat2, from, oldName, to, newName, 0));
}

extern "C" int flock(int fd, int operation) noexcept
{
    if (FailingCalls::beforeLock)
        std::exchange(FailingCalls::beforeLock, nullptr)();
    if (FailingCalls::lock.strikes())
        return -1;
    return int(syscall(SYS_flock, fd, operation));
}

extern "C" int fstat(int fd, struct stat* status) noexcept
{
    if (FailingCalls::statTemporary.times != 0 && FailingCalls::isTemporary(fd) && FailingCalls::statTemporary.strikes())
        return -1;
    return int(syscall(SYS_fstat, fd, status));
}

namespace {

// Access lists travel as these extended attributes.
bool strikesList(const char* name)
{
    return std::strncmp(name, "system.posix_acl_", 17) == 0 && FailingCalls::accessLists.strikes();
}

} // namespace

extern "C" ssize_t getxattr(const char* path, const char* name, void* value, size_t size) noexcept
{
    if (strikesList(name))
        return -1;
    return syscall(SYS_getxattr, path, name, value, size);
}

extern "C" ssize_t fgetxattr(int fd, const char* name, void* value, size_t size) noexcept
{
    if (strikesList(name))
        return -1;
    return syscall(SYS_fgetxattr, fd, name, value, size);
}

extern "C" int fsetxattr(int fd, const char* name, const void* value, size_t size, int flags) noexcept
{
    if (strikesList(name))
        return -1;
    return int(syscall(SYS_fsetxattr, fd, name, value, size, flags));
}
