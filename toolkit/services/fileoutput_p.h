// SPDX-License-Identifier: MIT
#pragma once

// What the system-specific halves of writeFileAtomically share.

#include "fileoutput.h"

#include <QRandomGenerator>

#include <algorithm>

namespace toolkit {

inline WriteResult notAbsolute(const QString& path)
{
    return WriteResult::failed(QStringLiteral("%1 is not an absolute path.").arg(path));
}

inline WriteResult notARegularFile(const QString& kind)
{
    return WriteResult::failed(
        QStringLiteral("A %1 stands there, not a regular file; it was left as it is.").arg(kind));
}

// Making a file read-only is how a user keeps it from being written over.
inline WriteResult readOnly()
{
    return WriteResult::failed(QStringLiteral("The file is read-only; it was left as it is."));
}

// Temporary files are named so a leftover is recognisable: this prefix and
// a random 32-bit number in base 36.
inline const QByteArray kTemporaryPrefix = QByteArrayLiteral(".colors.tmp.");

inline QByteArray temporaryName()
{
    return kTemporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

// Whether a name is one temporaryName gives.
inline bool isTemporaryName(const QByteArray& name)
{
    if (!name.startsWith(kTemporaryPrefix))
        return false;
    const QByteArray tail = name.mid(kTemporaryPrefix.size());
    return !tail.isEmpty() && tail.size() <= 7
        && std::all_of(tail.begin(), tail.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
           });
}

} // namespace toolkit
