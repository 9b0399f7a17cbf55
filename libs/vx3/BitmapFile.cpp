// The device-independent bitmap format of the frames and its .bmp file form.
#include "BitmapFile.h"

#include <array>
#include <cstdlib>
#include <fstream>

namespace vx3sim {

namespace {

constexpr std::uint32_t FileHeaderBytes = 14;
constexpr std::uint32_t InfoHeaderBytes = 40;

// Little-endian byte writer, independent of the host's byte order and struct layout.
class Bytes {
public:
    template <typename T> void put(T value) {
        auto bits = static_cast<std::uint64_t>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            m_data[m_size++] = static_cast<char>(bits & 0xFF);
            bits >>= 8;
        }
    }
    const char* data() const { return m_data.data(); }
    std::streamsize size() const { return static_cast<std::streamsize>(m_size); }

private:
    std::array<char, FileHeaderBytes + InfoHeaderBytes> m_data{};
    std::size_t m_size = 0;
};

} // namespace

BITMAPINFOHEADER BitmapFile::frameHeader() {
    BITMAPINFOHEADER h{};
    h.biSize = InfoHeaderBytes;
    h.biWidth = VX3_FRAME_WIDTH;
    h.biHeight = VX3_FRAME_HEIGHT;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = 0;
    h.biSizeImage = VX3_FRAME_BYTES;
    return h;
}

std::uint32_t BitmapFile::imageBytes(const BITMAPINFOHEADER& h) {
    if (h.biBitCount != 24 || h.biCompression != 0 || h.biWidth <= 0 || h.biHeight == 0 ||
        h.biWidth > VX3_FRAME_WIDTH) {
        return 0;
    }
    const auto stride = (static_cast<std::uint64_t>(h.biWidth) * 3 + 3) / 4 * 4;
    const std::uint64_t bytes = stride * static_cast<std::uint64_t>(std::abs(h.biHeight));
    return bytes <= VX3_FRAME_BYTES ? static_cast<std::uint32_t>(bytes) : 0;
}

bool BitmapFile::write(const char* fileName, const BITMAPINFOHEADER& h, const std::uint8_t* bits) {
    const std::uint32_t pixels = imageBytes(h);
    if (pixels == 0) {
        return false;
    }
    Bytes head;
    head.put<std::uint8_t>('B');
    head.put<std::uint8_t>('M');
    head.put<std::uint32_t>(FileHeaderBytes + InfoHeaderBytes + pixels);
    head.put<std::uint32_t>(0);
    head.put<std::uint32_t>(FileHeaderBytes + InfoHeaderBytes);
    head.put<std::uint32_t>(InfoHeaderBytes);
    head.put(h.biWidth);
    head.put(h.biHeight);
    head.put(h.biPlanes);
    head.put(h.biBitCount);
    head.put(h.biCompression);
    head.put(pixels);
    head.put(h.biXPelsPerMeter);
    head.put(h.biYPelsPerMeter);
    head.put(h.biClrUsed);
    head.put(h.biClrImportant);
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(head.data(), head.size());
    file.write(reinterpret_cast<const char*>(bits), static_cast<std::streamsize>(pixels));
    file.close();
    return !file.fail();
}

} // namespace vx3sim
