// SPDX-License-Identifier: MIT
#pragma once

// What the Unix half of writeFileAtomically shares between its files.

#include "writeresult.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace toolkit {

inline QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A step that failed as the system reported it, by default just now.
inline WriteResult systemFailure(int error = errno)
{
    return WriteResult::failed(systemReason(error));
}

// A signal arriving during a call is no reason to give up the Save.
template <typename Call>
inline auto retried(Call call)
{
    auto result = call();
    while (result == -1 && errno == EINTR)
        result = call();
    return result;
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int opened) : fd(opened) {}
    Descriptor(Descriptor&& other) noexcept : fd(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        std::swap(fd, other.fd);
        return *this;
    }
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

// Where each machine's locks are its own (NFS mounted nolock), another
// machine's clean-up may take a live temporary file for a leftover.
inline const QString kKeptRemoving =
    QStringLiteral("Another program kept removing the new file before it could take its place.");

// Whether `name` in `directory` is the file `own` describes.
bool isNamed(int directory, const QByteArray& name, const struct stat& own);

// Removes `name` from `directory` where it is still the file `own`, and not
// one someone else put there since.
void removeIfNamed(int directory, const QByteArray& name, const struct stat& own);

// A Save's new, empty temporary file, locked where the file system has
// locks, or why none could be made.
struct Temporary {
    Descriptor file;
    QByteArray name;
    struct stat status {};
    WriteResult result;
};

// Creates a temporary file in `directory` with `mode`, narrowed as for any
// new file. Every file it makes and gives up is removed.
Temporary createTemporary(int directory, mode_t mode);

// Gives the new file `fd`, made as `created`, the access of the `old` file it
// replaces, named `fileName` in `directory`: its owner and group where the
// saver may set them, and its access list, if it has one, or else its mode
// narrowed by the umask; never a setuid, setgid, sticky or execute bit.
WriteResult settleAccess(int fd, const struct stat& created, int directory, const QByteArray& fileName,
                 const struct stat& old);

// Removes the temporary files in `directory` that a killed Save left.
void removeLeftovers(int directory);

} // namespace toolkit
