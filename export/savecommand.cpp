#include "savecommand.h"

#include "controls.h"
#include "runtime.h"
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

} // namespace

bool SaveCommand::run(const Declarations& scheme, toolkit::Runtime& runtime)
{
    const QByteArray bytes = QByteArray::fromStdString(SchemeFile::content(scheme));
    QString folder = m_chosenFolder;
    bool chosen = !folder.isEmpty();
    QString problem;
    if (folder.isEmpty()) {
        const toolkit::ProgramDirectory home = runtime.applicationDirectory();
        if (home.known())
            folder = home.path;
        else
            problem = kNotSaved + home.problem;
    }

    for (;;) {
        if (problem.isEmpty()) {
            const QString path = QDir::toNativeSeparators(
                QDir(folder).filePath(toolkit::text(SchemeFile::FileName)));
            const QString failure = runtime.writeTextFile(path, bytes);
            if (failure.isEmpty()) {
                if (chosen)
                    m_chosenFolder = folder;
                runtime.showMessage(toolkit::Runtime::Icon::Information, kTitle,
                                    placedMessage(chosen ? QDir::toNativeSeparators(folder)
                                                         : QStringLiteral("this applications directory")));
                return true;
            }
            problem = kNotSaved + QStringLiteral("Could not write %1:\n%2").arg(path, failure);
        }
        if (!runtime.warnOfferingFolder(kTitle, problem))
            return false;
        folder = runtime.chooseFolder(QStringLiteral("Save colors.DAT to"));
        if (folder.isEmpty())
            return false;
        chosen = true;
        problem.clear();
    }
}
