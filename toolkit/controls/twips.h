// SPDX-License-Identifier: MIT
#pragma once

// Every position in the two windows is fixed by design in twips, 15 to a
// device-independent pixel; Qt's device-pixel ratio takes care of high-DPI
// screens from there.

#include <QRect>

namespace toolkit {

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// Left, Top, Width, Height from the top-left corner of the container.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

constexpr QRect toPixels(const Twips& rect)
{
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
            twipsToPixels(rect.height)};
}

} // namespace toolkit
