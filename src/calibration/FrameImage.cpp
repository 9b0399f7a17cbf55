// The frame buffer as the live area shows it.
#include "calibration/FrameImage.h"

#include <algorithm>
#include <cstdlib>

namespace halvex {
namespace {

constexpr int kLiveWidth = 640;
constexpr int kLiveHeight = 480;

} // namespace

QImage FrameImage(const BITMAPINFOHEADER& info, const std::uint8_t* frame) {
    // The frame buffer holds at most one 640 x 480 frame, whatever the header claims.
    const int width = std::clamp(info.biWidth, 0, kLiveWidth);
    const int height = std::clamp(std::abs(info.biHeight), 0, kLiveHeight);
    QImage image(width, height, QImage::Format_RGB32);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const bool bottomUp = info.biHeight > 0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source =
            frame + static_cast<std::size_t>(bottomUp ? height - 1 - y : y) * stride;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, source += 3) {
            target[x] = qRgb(source[2], source[1], source[0]);
        }
    }
    return image;
}

} // namespace halvex
