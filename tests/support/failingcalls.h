// SPDX-License-Identifier: MIT
#pragma once

// Stands in for the system calls behind a Save in the one test program that
// is built with failingcalls.cpp, so a test can make them fail
// the way a failing disk, a full NFS quota or a signal does, while the
// program's own file output runs unchanged. Each fault strikes the next
// `times` calls it covers (-1: every one) with `error`; unarmed, every call
// goes straight to the kernel.

#include <QByteArray>

#include <cerrno>
#include <functional>

namespace FailingCalls {

struct Fault {
    int error = 0;
    int times = 0;
    // How many calls it covered, struck or not.
    int calls = 0;

    bool strikes()
    {
        ++calls;
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
inline Fault statTemporary;  // fstat of a Save's temporary file
inline Fault readUmask;      // opening /proc/self/status, where Linux tells the umask
inline Fault accessLists;    // reading or setting an access list, as FAT or NFS without lists refuse
// A file linked in at the temporary name as the Save creates it, as another
// user could plant one; empty: nothing is planted.
inline QByteArray plantedAtTemporary;
// Each runs once just before the next lock, close of a temporary file or
// rename, as another copy of the program saving meanwhile would.
inline std::function<void()> beforeLock;
inline std::function<void()> beforeCloseTemporary;
inline std::function<void()> beforeRename;

inline void disarm()
{
    openDirectory = createFile = dataSync = closeTemporary = rename = directorySync = lock = statTemporary =
        readUmask = accessLists = Fault();
    plantedAtTemporary.clear();
    beforeLock = beforeCloseTemporary = beforeRename = nullptr;
}

// Whether a descriptor is of a Save's temporary file.
bool isTemporary(int fd);

} // namespace FailingCalls

