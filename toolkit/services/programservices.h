// SPDX-License-Identifier: MIT
#pragma once

#include "fileoutput.h"
#include "programdirectory.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace toolkit {

// The services of the running program that the windows use. The program
// uses these real ones; a test derives from it to observe message boxes and
// the folder chooser, pick the directory files go to, and see the program
// asked to end.
class ProgramServices {
public:
    enum class Icon { Information, Warning };

    virtual ~ProgramServices() = default;

    // The directory of the program's file, or why it can't be known.
    virtual ProgramDirectory applicationDirectory() const { return ProgramDirectory::current(); }
    virtual WriteResult writeTextFile(const QString& path, const QByteArray& bytes)
    {
        return writeFileAtomically(path, bytes);
    }
    // A modal box with one OK button.
    virtual void showMessage(Icon icon, const QString& title, const QString& text);
    // A modal warning with OK, the default, and "&Choose Folder…"; true when
    // the user asks to choose a folder.
    virtual bool warnOfferingFolder(const QString& title, const QString& text);
    // A modal folder chooser that opens in `startIn`, or where that is empty,
    // in the user's home folder (Documents on Windows); an empty text when
    // the user cancels.
    virtual QString chooseFolder(const QString& title, const QString& startIn);
    // Ends the program once the current event has been handled.
    virtual void end() { QCoreApplication::exit(0); }
};

} // namespace toolkit
