// SPDX-License-Identifier: MIT
#include "savecommand.h"

#include "programservices.h"
#include "schemefile.h"

#include <QDir>

namespace {

const QString kTitle = QStringLiteral("Veskoro Designer");
const QString kNotSaved = QStringLiteral("The colour scheme was not saved.\n\n");

QString placedMessage(const QString& where)
{
    return QStringLiteral("The file 'colors.DAT' has been placed in %1 u must place this file inside "
                          "the file skin.zip in the quellor Veskoro Directory to apply the colour scheme")
        .arg(where);
}

// The rename put the new file in place, but the folder's change may not be
// on the disk yet: saved, and the user should know the one risk left.
QString unconfirmedMessage(const QString& reason, const QString& placed)
{
    return QStringLiteral("The new colors.DAT is in place, but the system could not confirm that the "
                          "folder's change reached the disk (%1), so a power cut could still lose it.\n\n%2")
        .arg(reason, placed);
}

} // namespace

bool SaveCommand::run(const Declarations& scheme, toolkit::ProgramServices& services)
{
    const QByteArray bytes = QByteArray::fromStdString(SchemeFile::content(scheme));
    QString folder = m_chosenFolder;
    bool chosen = !folder.isEmpty();
    QString problem;
    if (folder.isEmpty()) {
        const toolkit::ProgramDirectory home = services.applicationDirectory();
        if (home.known())
            folder = home.path;
        else
            problem = kNotSaved + home.problem;
    }

    for (;;) {
        if (problem.isEmpty()) {
            const QString path = QDir::toNativeSeparators(
                QDir(folder).filePath(QString::fromLatin1(SchemeFile::FileName)));
            const toolkit::WriteResult result = services.writeTextFile(path, bytes);
            if (result.written()) {
                if (chosen)
                    m_chosenFolder = folder;
                const QString placed = placedMessage(chosen ? QDir::toNativeSeparators(folder)
                                                            : QStringLiteral("this applications directory"));
                if (result.unconfirmed.isEmpty())
                    services.showMessage(toolkit::ProgramServices::Icon::Information, kTitle, placed);
                else
                    services.showMessage(toolkit::ProgramServices::Icon::Warning, kTitle,
                                        unconfirmedMessage(result.unconfirmed, placed));
                return true;
            }
            problem = kNotSaved + QStringLiteral("Could not write %1:\n%2").arg(path, result.failure);
        }
        if (!services.warnOfferingFolder(kTitle, problem))
            return false;
        // The folder chosen last, if any, is where the user left off.
        const QString answer = services.chooseFolder(QStringLiteral("Save colors.DAT to"), chosen ? folder : QString());
        if (answer.isEmpty())
            return false;
        const toolkit::ProgramDirectory checked = toolkit::ProgramDirectory::chosen(answer);
        folder = checked.path;
        chosen = true;
        problem = checked.known() ? QString() : kNotSaved + checked.problem;
    }
}
