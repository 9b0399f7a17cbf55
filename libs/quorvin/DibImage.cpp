// Turns the camera's device-independent bitmap into a QImage for Qt's image writers.
#include "DibImage.h"

#include <cstring>

namespace quorvin {

namespace {

constexpr std::uint32_t UncompressedRgb = 0;
constexpr std::int32_t MaxSide = 16384;

} // namespace

QImage imageFromDib(const BITMAPINFOHEADER& header, const std::uint8_t* data, std::size_t size) {
    const std::int32_t width = header.biWidth;
    const bool bottomUp = header.biHeight > 0;
    const std::int32_t height = bottomUp ? header.biHeight : -header.biHeight;
    if (data == nullptr || header.biBitCount != 24 || header.biCompression != UncompressedRgb ||
        width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        return {};
    }
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (stride * static_cast<std::size_t>(height) > size) {
        return {};
    }
    QImage image(width, height, QImage::Format_BGR888);
    for (std::int32_t row = 0; row < height; ++row) {
        const std::int32_t source = bottomUp ? height - 1 - row : row;
        std::memcpy(image.scanLine(row), data + stride * static_cast<std::size_t>(source),
                    static_cast<std::size_t>(width) * 3);
    }
    return image;
}

} // namespace quorvin
