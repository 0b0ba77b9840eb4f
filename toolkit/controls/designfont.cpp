// SPDX-License-Identifier: MIT
#include "designfont.h"

#include <QFontDatabase>
#include <QStringList>

namespace toolkit {

QFont designFont()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
        return QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("DejaVu Sans"));
    }();
    QFont font(family);
    font.setPixelSize(10);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

} // namespace toolkit
