#include "runtime.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace toolkit {

Runtime::Runtime()
{
    survivesFileSizeLimits();
}

ProgramDirectory Runtime::applicationDirectory() const
{
    return ProgramDirectory::current();
}

WriteResult Runtime::writeTextFile(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(path, bytes);
}

void Runtime::showMessage(Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool Runtime::warnOfferingFolder(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, QApplication::activeWindow());
    QPushButton* choose = box.addButton(QStringLiteral("&Choose Folder…"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == choose;
}

QString Runtime::chooseFolder(const QString& title)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title);
}

void Runtime::end()
{
    QCoreApplication::exit(0);
}

} // namespace toolkit
