// SPDX-License-Identifier: MIT
#include "programservices.h"

#include "titledmessagebox.h"

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QStandardPaths>

namespace toolkit {

void ProgramServices::showMessage(Icon icon, const QString& title, const QString& text)
{
    TitledMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information, title, text,
                         QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool ProgramServices::warnOfferingFolder(const QString& title, const QString& text)
{
    TitledMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, QApplication::activeWindow());
    QPushButton* choose = box.addButton(QStringLiteral("&Choose Folder…"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == choose;
}

QString ProgramServices::chooseFolder(const QString& title, const QString& startIn)
{
    // Not the working directory, nor the program's, which has just failed.
#ifdef Q_OS_WIN
    const auto usual = QStandardPaths::DocumentsLocation;
#else
    const auto usual = QStandardPaths::HomeLocation;
#endif
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title,
                                             startIn.isEmpty() ? QStandardPaths::writableLocation(usual) : startIn);
}

} // namespace toolkit
