// Turns the camera's device-independent bitmap into a QImage for Qt's image writers.
#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>

#include "QuorvinApi.h"
#include "VX3lib.h"

namespace quorvin {

// 24-bit uncompressed bitmaps only (blue, green, red; rows padded to 4 bytes; bottom-up when the
// height is positive). A null image when the header describes anything else or more than size
// bytes.
QUORVIN_API QImage imageFromDib(const BITMAPINFOHEADER& header, const std::uint8_t* data,
                                std::size_t size);

} // namespace quorvin
