#pragma once

#include <QByteArray>
#include <QString>

namespace toolkit {

// Writes `bytes` to the file at the absolute `path`, as a whole or not at all.
// The bytes go to a temporary file beside the target and are flushed to the
// disk, with the result checked, before that file replaces the target; the
// directory is flushed after the rename. Only a regular file is ever
// replaced: where a link, a directory, a pipe or a device stands at `path`,
// nothing is written anywhere. Returns an empty text on success, otherwise
// the reason, for the user to read.
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

// Makes exceeding a file-size limit an ordinary write error (the system's
// "File too large") instead of a signal that kills the program. The program
// calls it once, before any file is written.
void survivesFileSizeLimits();

} // namespace toolkit
