// SPDX-License-Identifier: MIT
#pragma once

#include "writeresult.h"

#include <QByteArray>
#include <QString>

namespace toolkit {

// Writes `bytes` to the file at the absolute `path`, as a whole or not at all.
// The bytes go to a temporary file beside the target and are flushed to the
// disk, with the result checked, before that file replaces the target; the
// directory is flushed after the rename. Only a regular file that whoever
// saves may write is ever replaced: where a link, a directory, a pipe, a
// device or a read-only file stands at `path`, nothing is written anywhere.
// The new file is never more open than the one it replaces, nor than any new
// file, its group included, not even for a moment. A Save holds its
// temporary file until the rename; temporary files that no Save holds any
// more, left by one that was killed, are removed. Where the file system
// refuses locks, Save still saves, and removes nothing it can't prove
// abandoned. The reasons are for the user to read.
WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// Makes exceeding a file-size limit an ordinary write error (the system's
// "File too large") instead of a signal that kills the program. The program
// calls it once as it starts, before any file is written.
void treatFileSizeLimitAsWriteError();

} // namespace toolkit
