#pragma once

// Stands in for the system's flush calls in the one test program that
// includes it (include it in one file only), so a test can make them fail
// the way a failing disk or a full NFS quota does, while the program's own
// file output runs unchanged.

#include <cerrno>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace FailingSync {
inline bool dataSyncFails = false;
inline bool directorySyncFails = false;
} // namespace FailingSync

extern "C" int fdatasync(int fd)
{
    if (FailingSync::dataSyncFails) {
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fdatasync, fd));
}

extern "C" int fsync(int fd)
{
    struct stat status {};
    const bool directory = fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    if ((directory && FailingSync::directorySyncFails) || (!directory && FailingSync::dataSyncFails)) {
        errno = EIO;
        return -1;
    }
    return int(syscall(SYS_fsync, fd));
}
