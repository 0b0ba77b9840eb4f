#include "savecommand.h"

#include "controls.h"
#include "runtime.h"
#include "schemefile.h"

#include <QDir>

namespace SaveCommand {

namespace {

const QString kTitle = QStringLiteral("Veskoro Designer");

} // namespace

bool run(const Declarations& scheme, toolkit::Runtime& runtime)
{
    const QString path = QDir::toNativeSeparators(
        QDir(runtime.applicationDirectory()).filePath(toolkit::text(SchemeFile::FileName)));
    const QByteArray bytes = QByteArray::fromStdString(SchemeFile::content(scheme));

    const QString failure = runtime.writeTextFile(path, bytes);
    if (!failure.isEmpty()) {
        runtime.showMessage(toolkit::Runtime::Icon::Warning, kTitle,
                            QStringLiteral("The colour scheme was not saved.\n\n"
                                           "Could not write %1:\n%2")
                                .arg(path, failure));
        return false;
    }
    runtime.showMessage(toolkit::Runtime::Icon::Information, kTitle,
                        QStringLiteral("The file 'colors.DAT' has been placed in this applications "
                                       "directory u must place this file inside the file skin.zip "
                                       "in the quellor Veskoro Directory to apply the colour scheme"));
    return true;
}

} // namespace SaveCommand
