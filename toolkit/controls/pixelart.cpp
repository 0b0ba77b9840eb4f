// SPDX-License-Identifier: MIT
#include "pixelart.h"

#include <QImage>
#include <QPixmap>

namespace toolkit {

QIcon pixelArtIcon(const QString& picture, std::initializer_list<int> sizes)
{
    const QImage art(picture);
    QIcon icon;
    for (const int size : sizes)
        icon.addPixmap(QPixmap::fromImage(art.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

} // namespace toolkit
