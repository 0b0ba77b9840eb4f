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
    // The folder chosen earlier is held to the same standard again: it may
    // have gone since.
    bool chosen = !m_chosenFolder.isEmpty();
    toolkit::ProgramDirectory folder =
        chosen ? toolkit::ProgramDirectory::chosen(m_chosenFolder) : services.applicationDirectory();
    for (;;) {
        const toolkit::WriteResult result =
            folder.known() ? writeInto(folder.path, chosen, bytes, services) : folder.result;
        if (result.written())
            return true;
        if (!services.warnOfferingFolder(kTitle, kNotSaved + result.failure))
            return false;
        // The folder chosen last, if any, is where the user left off.
        const QString answer =
            services.chooseFolder(QStringLiteral("Save colors.DAT to"), chosen ? folder.path : QString());
        if (answer.isEmpty())
            return false;
        folder = toolkit::ProgramDirectory::chosen(answer);
        chosen = true;
    }
}

toolkit::WriteResult SaveCommand::writeInto(const QString& folder, bool chosen, const QByteArray& bytes,
                                            toolkit::ProgramServices& services)
{
    const QString path =
        QDir::toNativeSeparators(QDir(folder).filePath(QString::fromLatin1(SchemeFile::FileName)));
    const toolkit::WriteResult result = services.writeTextFile(path, bytes);
    if (!result.written())
        return toolkit::WriteResult::failed(QStringLiteral("Could not write %1:\n%2").arg(path, result.failure));
    if (chosen)
        m_chosenFolder = folder;
    const QString placed =
        placedMessage(chosen ? QDir::toNativeSeparators(folder) : QStringLiteral("this applications directory"));
    if (result.unconfirmed.isEmpty())
        services.showMessage(toolkit::ProgramServices::Icon::Information, kTitle, placed);
    else
        services.showMessage(toolkit::ProgramServices::Icon::Warning, kTitle,
                             unconfirmedMessage(result.unconfirmed, placed));
    return result;
}
