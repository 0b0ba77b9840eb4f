// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

#include <initializer_list>

namespace toolkit {

// An icon holding the pixel art `picture` at each of `sizes`, scaled without
// smoothing, so every pixel stays a crisp square.
QIcon pixelArtIcon(const QString& picture, std::initializer_list<int> sizes);

} // namespace toolkit
