// Still capture: a complete .bmp file.
#include "CameraFixture.h"

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
