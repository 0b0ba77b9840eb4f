// SPDX-License-Identifier: MIT
#include "titledmessagebox.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QStyle>

namespace toolkit {

// QMessageBox sizes itself from its layout as it is shown, and again
// whenever its layout asks, then centres itself over its parent before it
// is mapped: room kept in the layout is kept by every one of those sizes,
// so the box is never widened after it appears.
void TitledMessageBox::showEvent(QShowEvent* event)
{
    keepRoomForTitle();
    nameTextWithoutRuleLines();
    QMessageBox::showEvent(event);
}

void TitledMessageBox::keepRoomForTitle()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const int buttons = 4 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QMargins margins = layout()->contentsMargins();
    const int room = QFontMetrics(font).horizontalAdvance(windowTitle()) + buttons - margins.left() - margins.right();
    auto* grid = static_cast<QGridLayout*>(layout());
    if (!m_titleRoom) {
        // Across the buttons' row, which it shares: no row of its own that
        // would make the box taller.
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(findChild<QDialogButtonBox*>()), &row, &column, &rows, &columns);
        m_titleRoom = new QSpacerItem(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
        grid->addItem(m_titleRoom, row, 0, 1, grid->columnCount());
    }
    m_titleRoom->changeSize(room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    grid->invalidate();
}

void TitledMessageBox::nameTextWithoutRuleLines()
{
    QStringList lines = text().split(QRegularExpression(QStringLiteral("\\r?\\n")));
    lines.removeIf([](const QString& line) { return !line.isEmpty() && line.count(u'-') == line.size(); });
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->text() == text())
            label->setAccessibleName(lines.join(u'\n'));
    }
}

} // namespace toolkit
