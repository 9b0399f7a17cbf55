// JPEG compression of a bottom-up BGR frame with libjpeg.
#include "JpegEncoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace vx3sim {

namespace {

// libjpeg reports errors by calling error_exit, which must not return; it jumps back here.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

void escapeOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// Kept free of objects with destructors, so that the jump skips nothing.
bool compress(const std::uint8_t* bgr, int width, int height, unsigned char** data,
              unsigned long* size) {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = escapeOnError;
    if (setjmp(errors.escape)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, data, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, JpegEncoder::Quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const auto stride = static_cast<std::size_t>(width) * 3;
    while (info.next_scanline < info.image_height) {
        // The frame is stored bottom-up; JPEG rows run top-down.
        const std::size_t row = static_cast<std::size_t>(height) - 1 - info.next_scanline;
        JSAMPROW line = const_cast<JSAMPROW>(bgr + row * stride);
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::vector<std::uint8_t> JpegEncoder::encode(const std::uint8_t* bgrBottomUp, int width,
                                              int height) {
    unsigned char* data = nullptr;
    unsigned long size = 0;
    const bool ok = compress(bgrBottomUp, width, height, &data, &size);
    std::vector<std::uint8_t> result;
    if (ok && data != nullptr) {
        result.assign(data, data + size);
    }
    std::free(data);
    return result;
}

} // namespace vx3sim
