// SPDX-License-Identifier: MIT
#include "programservices.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

namespace toolkit {

namespace {

// A window manager shortens a title that does not fit its window ("Veskoro
// D… r - About"), and a message box is only as wide as its text. So the box
// is made as wide as its title in the bold title-bar font, with room for the
// window's icon and three buttons.
void makeRoomForTitle(QMessageBox& box)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const int buttons = 4 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + buttons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
}

} // namespace

ProgramServices::ProgramServices()
{
    treatFileSizeLimitAsWriteError();
}

ProgramDirectory ProgramServices::applicationDirectory() const
{
    return ProgramDirectory::current();
}

WriteResult ProgramServices::writeTextFile(const QString& path, const QByteArray& bytes)
{
    return writeFileAtomically(path, bytes);
}

void ProgramServices::showMessage(Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    title, text, QMessageBox::Ok, QApplication::activeWindow());
    makeRoomForTitle(box);
    box.exec();
}

bool ProgramServices::warnOfferingFolder(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, QApplication::activeWindow());
    QPushButton* choose = box.addButton(QStringLiteral("&Choose Folder…"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    makeRoomForTitle(box);
    box.exec();
    return box.clickedButton() == choose;
}

QString ProgramServices::chooseFolder(const QString& title)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title);
}

void ProgramServices::end()
{
    QCoreApplication::exit(0);
}

} // namespace toolkit
