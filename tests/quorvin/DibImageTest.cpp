// Converting the camera's bitmap for Qt's writers: row and colour order, padding, bad headers.
#include <gtest/gtest.h>
#include <vector>

#include "DibImage.h"

namespace {

BITMAPINFOHEADER header(std::int32_t width, std::int32_t height, std::uint16_t bits = 24) {
    return {sizeof(BITMAPINFOHEADER), width, height, 1, bits, 0, 0, 0, 0, 0, 0};
}

TEST(DibImage, KeepsRowAndColourOrderAndRefusesWhatItCannotHonour) {
    // 2 x 2, blue-green-red, rows padded from 6 to 8 bytes: red, green / blue, rgb(7, 8, 9).
    const std::vector<std::uint8_t> rows = {0,   0, 255, 0, 255, 0, 0xEE, 0xEE,
                                            255, 0, 0,   9, 8,   7, 0xEE, 0xEE};
    const QImage bottomUp = quorvin::imageFromDib(header(2, 2), rows.data(), rows.size());
    ASSERT_EQ(bottomUp.size(), QSize(2, 2));
    EXPECT_EQ(bottomUp.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(bottomUp.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(bottomUp.pixel(1, 0), qRgb(7, 8, 9));
    EXPECT_EQ(quorvin::imageFromDib(header(2, -2), rows.data(), rows.size()).pixel(1, 1),
              qRgb(7, 8, 9));

    BITMAPINFOHEADER compressed = header(2, 2);
    compressed.biCompression = 1;
    for (const BITMAPINFOHEADER& h : {header(2, 2, 32), compressed, header(0, 2), header(3, 2),
                                      header(2, 3), header(100000, 1)}) {
        EXPECT_TRUE(quorvin::imageFromDib(h, rows.data(), rows.size()).isNull()) << h.biWidth;
    }
}

} // namespace
