// Still capture: JPEG data that decodes to the frame, and complete .jpg and .bmp files.
#include "CameraFixture.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <jpeglib.h>

namespace vx3test {
namespace {

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::vector<std::uint8_t>& data, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = value << 8 | data[at + static_cast<std::size_t>(i)];
    }
    return value;
}

struct Decoded {
    int width = 0, height = 0, components = 0;
    std::vector<std::uint8_t> bgrBottomUp; // the frame's layout, for comparison
};

Decoded decode(const std::uint8_t* data, std::size_t size) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    Decoded d;
    if (jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK) {
        info.out_color_space = JCS_EXT_BGR;
        jpeg_start_decompress(&info);
        d.width = static_cast<int>(info.output_width);
        d.height = static_cast<int>(info.output_height);
        d.components = info.output_components;
        const std::size_t stride = static_cast<std::size_t>(d.width) * 3;
        d.bgrBottomUp.resize(stride * static_cast<std::size_t>(d.height));
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = d.bgrBottomUp.data() +
                           (static_cast<std::size_t>(d.height) - 1 - info.output_scanline) * stride;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    }
    jpeg_destroy_decompress(&info);
    return d;
}

class CaptureTest : public CameraTest {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        prepareLiveView();
        clock.advanceSeconds(2.0);
        ASSERT_NE(VX3_SIA_SetImageSize(640, 480), 0);
    }
    std::vector<std::uint8_t> jpeg = std::vector<std::uint8_t>(VX3_FRAME_BYTES);
    std::uint32_t jpegSize = 0;
};

// The saved file holds exactly the captured data, which decodes to the frame.
TEST_F(CaptureTest, SavedJpegIsTheCapturedFrame) {
    ASSERT_NE(VX3_SIA_CaptureJpg(jpeg.data(), &jpegSize), 0);
    VX3_JPEGINFO info{};
    static_assert(sizeof(VX3_JPEGINFO) == 40 && offsetof(VX3_JPEGINFO, dataSize) == 24);
    info.dataSize = jpegSize;
    const std::string path = ::testing::TempDir() + "vx3_capture.jpg";
    ASSERT_NE(VX3_SIA_SaveImageJpg(path.c_str(), &info, jpeg.data()), 0);
    const auto file = readFile(path);
    std::remove(path.c_str());
    ASSERT_EQ(file.size(), jpegSize);
    EXPECT_TRUE(std::equal(file.begin(), file.end(), jpeg.begin()));
    EXPECT_EQ(file[file.size() - 2] << 8 | file.back(), 0xFFD9) << "ends with its end marker";
    const Decoded d = decode(file.data(), file.size());
    EXPECT_EQ(d.width, 640);
    EXPECT_EQ(d.height, 480);
    EXPECT_EQ(d.components, 3);
    const Rgb fromJpeg = measureBlock(d.bgrBottomUp), fromBitmap = measure();
    EXPECT_NEAR(fromJpeg.red, fromBitmap.red, 1.5);
    EXPECT_NEAR(fromJpeg.green, fromBitmap.green, 1.5);
    EXPECT_NEAR(fromJpeg.blue, fromBitmap.blue, 1.5);
}

TEST_F(CaptureTest, SavedBitmapIsACompleteBmpFile) {
    std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
    BITMAPINFOHEADER header{};
    ASSERT_NE(VX3_SIA_CaptureBmp(frame.data()), 0);
    ASSERT_NE(VX3_SIA_GetImageInfo(&header), 0);
    const std::string path = ::testing::TempDir() + "vx3_capture.bmp";
    ASSERT_NE(VX3_SIA_SaveImageBmp(path.c_str(), &header, frame.data()), 0);
    const auto file = readFile(path);
    ASSERT_EQ(file.size(), 14u + 40u + VX3_FRAME_BYTES);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    struct Field {
        std::size_t at;
        int bytes;
        std::uint32_t value;
    };
    for (const Field& f : {Field{2, 4, 14 + 40 + VX3_FRAME_BYTES}, Field{10, 4, 54},
                           Field{14, 4, 40}, Field{18, 4, 640}, Field{22, 4, 480}, Field{26, 2, 1},
                           Field{28, 2, 24}, Field{30, 4, 0}, Field{34, 4, VX3_FRAME_BYTES}}) {
        EXPECT_EQ(little(file, f.at, f.bytes), f.value) << "at byte " << f.at;
    }
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), file.begin() + 54));
    std::remove(path.c_str());
}

} // namespace
} // namespace vx3test
