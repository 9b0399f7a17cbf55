// Still capture: JPEG data that decodes to the frame, and complete .jpg and .bmp files.
#include "CameraFixture.h"

#include <QImage>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace vx3test {
namespace {

class CaptureTest : public CameraTest {
protected:
    void TearDown() override {
        std::remove(path.c_str());
        CameraTest::TearDown();
    }
    std::vector<std::uint8_t> savedFile() const {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    std::string path = ::testing::TempDir() + "vx3_capture";
};

// The saved file holds exactly the captured data, which decodes to the frame.
TEST_F(CaptureTest, SavedJpegIsTheCapturedFrame) {
    static_assert(sizeof(VX3_JPEGINFO) == 40 && offsetof(VX3_JPEGINFO, dataSize) == 24);
    std::vector<std::uint8_t> jpeg(VX3_FRAME_BYTES);
    VX3_JPEGINFO info{};
    setBalance(0xC0, 0x30); // a blue cast, so that swapped channels show
    ASSERT_NE(VX3_SIA_CaptureJpg(jpeg.data(), &info.dataSize), 0);
    ASSERT_NE(VX3_SIA_SaveImageJpg(path.c_str(), &info, jpeg.data()), 0);
    jpeg.resize(info.dataSize);
    ASSERT_EQ(savedFile(), jpeg);

    // Bottom-up blue-green-red rows of 1920 bytes, as the frame holds them.
    const QImage image = QImage::fromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPG")
                             .convertToFormat(QImage::Format_BGR888)
                             .mirrored();
    ASSERT_EQ(image.size(), QSize(640, 480));
    const Rgb fromJpeg = measureBlock({image.constBits(), image.constBits() + VX3_FRAME_BYTES});
    const Rgb fromBitmap = measure();
    EXPECT_NEAR(fromJpeg.red, fromBitmap.red, 1.5);
    EXPECT_NEAR(fromJpeg.green, fromBitmap.green, 1.5);
    EXPECT_NEAR(fromJpeg.blue, fromBitmap.blue, 1.5);
}

TEST_F(CaptureTest, SavedBitmapIsACompleteBmpFile) {
    static_assert(sizeof(BITMAPINFOHEADER) == 40);
    const auto frame = capture();
    BITMAPINFOHEADER header{};
    ASSERT_NE(VX3_SIA_GetImageInfo(&header), 0);
    ASSERT_NE(VX3_SIA_SaveImageBmp(path.c_str(), &header, frame.data()), 0);
    const auto file = savedFile();
    ASSERT_GE(file.size(), 54u);
    const std::string head("BM\x36\x10\x0E\0\0\0\0\0\x36\0\0\0"             // size, pixels at 54
                           "\x28\0\0\0\x80\x02\0\0\xE0\x01\0\0\x01\0\x18\0" // 640 x 480, 24 bits
                           "\0\0\0\0\0\x10\x0E\0",                          // uncompressed, 921600
                           38);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 54), head + std::string(16, '\0'));
    EXPECT_EQ(std::vector(file.begin() + 54, file.end()), frame);
}

} // namespace
} // namespace vx3test
