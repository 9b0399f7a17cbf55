// The device-independent bitmap format of the frames and its .bmp file form.
#pragma once

#include <cstdint>

#include "VX3lib.h"

namespace vx3sim {

class BitmapFile {
public:
    // The header that describes every frame: 640 x 480, 24 bits, bottom-up, uncompressed.
    static BITMAPINFOHEADER frameHeader();
    // Bytes of pixel data the header describes (rows padded to 4 bytes); 0 when it is not a
    // 24-bit uncompressed image that fits a frame buffer.
    static std::uint32_t imageBytes(const BITMAPINFOHEADER& header);
    // Writes the 14-byte file header, the 40-byte info header and the pixels.
    static bool write(const char* fileName, const BITMAPINFOHEADER& header,
                      const std::uint8_t* bits);
};

} // namespace vx3sim
