// SPDX-License-Identifier: MIT
#pragma once

// Stands in for the system calls behind a Save in the one test program that
// includes it (include it in one file only), so a test can make them fail
// the way a failing disk, a full NFS quota or a signal does, while the
// program's own file output runs unchanged. Each fault strikes the next
// `times` calls it covers (-1: every one) with `error`; unarmed, every call
// goes straight to the kernel.

#include <QByteArray>

#include <cerrno>
#include <cstdarg>
#include <functional>
#include <utility>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace FailingCalls {

struct Fault {
    int error = 0;
    int times = 0;

    bool strikes()
    {
        if (times == 0)
            return false;
        if (times > 0)
            --times;
        errno = error;
        return true;
    }
};

inline Fault openDirectory;  // opening a folder
inline Fault createFile;     // creating a file
inline Fault dataSync;       // fdatasync, or fsync of a file
inline Fault closeTemporary; // closing a Save's temporary file; it is closed all the same
inline Fault rename;
inline Fault directorySync;  // fsync of a folder
inline Fault lock;           // flock, as a file system without locks refuses it
// A file linked in at the temporary name as the Save creates it, as another
// user could plant one; empty: nothing is planted.
inline QByteArray plantedAtTemporary;
// Each runs once just before the next lock or rename, as another copy of the
// program saving meanwhile would.
inline std::function<void()> beforeLock;
inline std::function<void()> beforeRename;

inline void disarm()
{
    openDirectory = createFile = dataSync = closeTemporary = rename = directorySync = lock = Fault();
    plantedAtTemporary.clear();
    beforeLock = beforeRename = nullptr;
}

inline bool isTemporary(int fd)
{
    char name[4096];
    const ssize_t length = readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(),
                                    name, sizeof name);
    return length > 0 && QByteArray(name, int(length)).contains("/.colors.tmp.");
}

} // namespace FailingCalls

extern "C" int openat(int directory, const char* path, int flags, ...)
{
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
    const bool directory = fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    if ((directory ? FailingCalls::directorySync : FailingCalls::dataSync).strikes())
        return -1;
    return int(syscall(SYS_fsync, fd));
}

// Linux releases the descriptor even when close reports a failure.
extern "C" int close(int fd)
{
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
