#include "runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <QSaveFile>

namespace toolkit {

QString writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, so that a short write shows here: a buffered flush inside
    // commit() can lose it and commit a truncated file as a success. After a
    // short write the next one fails with the system's reason (disk full).
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += count;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString Runtime::applicationDirectory() const
{
    return QCoreApplication::applicationDirPath();
}

QString Runtime::writeTextFile(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(path, bytes);
}

void Runtime::showMessage(Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void Runtime::end()
{
    QCoreApplication::exit(0);
}

} // namespace toolkit
