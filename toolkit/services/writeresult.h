// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace toolkit {

// What became of writing a file, or of any step on the way to it, from the
// lowest system call up to the Save: done, or why not. The reasons are for
// the user to read.
struct WriteResult {
    // Why nothing was written; empty when the file, or the step, is done.
    QString failure;
    // Why the file, though in place, is not known to be on the disk yet.
    QString unconfirmed;

    bool written() const { return failure.isEmpty(); }

    static WriteResult failed(const QString& reason) { return {reason, QString()}; }
};

} // namespace toolkit
