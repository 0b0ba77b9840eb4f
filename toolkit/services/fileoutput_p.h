// SPDX-License-Identifier: MIT
#pragma once

// What the system-specific halves of writeFileAtomically share.

#include "fileoutput.h"

#include <QRandomGenerator>

namespace toolkit {

inline WriteResult failed(const QString& reason)
{
    return {reason, QString()};
}

inline WriteResult notAbsolute(const QString& path)
{
    return failed(QStringLiteral("%1 is not an absolute path.").arg(path));
}

inline WriteResult notARegularFile(const QString& kind)
{
    return failed(QStringLiteral("A %1 stands there, not a regular file; it was left as it is.").arg(kind));
}

// Temporary files are named so a leftover is recognisable: this prefix and
// a random 32-bit number in base 36.
inline const QByteArray kTemporaryPrefix = QByteArrayLiteral(".colors.tmp.");

inline QByteArray temporaryName()
{
    return kTemporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

} // namespace toolkit
