// SPDX-License-Identifier: MIT
#pragma once

#include "writeresult.h"

#include <QByteArray>
#include <QString>

namespace toolkit {

// Where the running program's file lies: an absolute directory that exists,
// or, where that can't be known, why no file can be written there.
struct ProgramDirectory {
    QString path;
    WriteResult result;

    bool known() const { return result.written(); }

    // The directory of the program file named by `programFile`, the bytes
    // the system gives for it. A name that is not valid text (a Latin-1
    // directory name, say) can't be written to safely, so it is a problem,
    // not a guess.
    static ProgramDirectory of(const QByteArray& programFile);

    // The running program's own.
    static ProgramDirectory current();

    // A folder the user chose, held to the same standard. Its name arrives
    // as text already: where the system's bytes were not valid text, the
    // conversion put U+FFFD in their place, and that name would lead to
    // another folder or none. A name that truly holds U+FFFD is a name.
    static ProgramDirectory chosen(const QString& folder);
};

} // namespace toolkit
