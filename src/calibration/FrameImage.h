// The frame buffer as the live area shows it, without overlays: what a front end without a window
// measures.
#pragma once

#include <QImage>
#include <VX3lib.h>
#include <cstdint>

namespace halvex {

// The frame the library delivered (24-bit device-independent bitmap, bottom-up or top-down, as
// the header describes it) as a 32-bit image, at most 640 x 480 pixels.
QImage FrameImage(const BITMAPINFOHEADER& info, const std::uint8_t* frame);

} // namespace halvex
