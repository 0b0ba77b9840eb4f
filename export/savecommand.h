// SPDX-License-Identifier: MIT
#pragma once

#include "writeresult.h"

#include <QByteArray>
#include <QString>

struct Declarations;

namespace toolkit {
class ProgramServices;
}

// File > Save: writes colors.DAT into the program's directory and tells the
// user where it went. Where it can't (no permission, a read-only disk, a
// directory it can't determine, something other than a regular file in the
// way), it warns that nothing was saved and why, and offers a folder of the
// user's choosing instead; Save then writes there for the rest of the run.
// An existing file is replaced whole or left exactly as it was.
class SaveCommand {
public:
    // Returns whether the file was saved.
    bool run(const Declarations& scheme, toolkit::ProgramServices& services);

private:
    // Writes the file into `folder` and, where it is written, says where it went.
    toolkit::WriteResult writeInto(const QString& folder, bool chosen, const QByteArray& bytes,
                                   toolkit::ProgramServices& services);

    // Empty until the user has chosen a folder and Save has written there.
    QString m_chosenFolder;
};
