// SPDX-License-Identifier: MIT
#include "controls.h"

#include "designlabel.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>

namespace toolkit {

QString fromLatin1(std::string_view singleByte)
{
    return QString::fromLatin1(singleByte.data(), qsizetype(singleByte.size()));
}

QLabel* createLabel(const QString& caption, QWidget* parent)
{
    return new DesignLabel(caption, parent);
}

void fillBackground(QWidget* container, const QColor& colour)
{
    // Only the fill is set; every other colour follows the desktop's
    // palette, also when it changes while the program runs.
    QPalette palette;
    palette.setColor(QPalette::Window, colour);
    container->setPalette(palette);
    container->setAutoFillBackground(true);
}

QWidget* focusRound(const std::vector<QWidget*>& ring, bool forward)
{
    const auto at = std::find(ring.begin(), ring.end(), QApplication::focusWidget());
    const auto count = std::ptrdiff_t(ring.size());
    std::ptrdiff_t index = forward ? 0 : count - 1;
    if (at != ring.end())
        index = ((at - ring.begin()) + (forward ? 1 : count - 1)) % count;
    QWidget* next = ring[std::size_t(index)];
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return next;
}

} // namespace toolkit
