// SPDX-License-Identifier: MIT
#pragma once

// What the Unix half of writeFileAtomically shares between its files.

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
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

// Creates a new, empty temporary file in `directory`, named `name`, with
// `mode` narrowed by the umask, and returns its descriptor, or -1 with errno.
int createTemporary(int directory, QByteArray& name, mode_t mode);

// Gives a new file the group, and the group's bits, of the `old` one it
// replaces, as far as the saver may.
int settleGroup(int fd, const struct stat& old);

// Removes the temporary files in `directory` that a killed Save left.
void removeLeftovers(int directory);

} // namespace toolkit
