// Dialog units to pixels, as the dialog manager converts them for an 8-point dialog font at 96 dpi.
#pragma once

#include <QRect>

namespace halvex {

// Base units of the dialog font: 6 x 13 pixels; one dialog unit is a quarter of the width and an
// eighth of the height, rounded to the nearest pixel.
constexpr int duToPixelsX(int x) {
    return (x * 6 + 2) / 4;
}
constexpr int duToPixelsY(int y) {
    return (y * 13 + 4) / 8;
}

inline QRect duRectToPixels(int x, int y, int width, int height) {
    return {duToPixelsX(x), duToPixelsY(y), duToPixelsX(width), duToPixelsY(height)};
}

} // namespace halvex
