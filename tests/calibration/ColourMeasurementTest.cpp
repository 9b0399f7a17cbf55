// The frame image and the measurement of its sampling block, and the manual adjustment's
// arithmetic, without a window.
#include "calibration/ColourMeasurement.h"
#include "calibration/FrameImage.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <limits>

namespace halvex {
namespace {

struct Patch {
    QRect rect;
    QRgb colour;
};

// A black live area with the patches painted on it.
QImage area(std::initializer_list<Patch> patches, QSize size = {640, 480}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const Patch& patch : patches) {
        painter.fillRect(patch.rect, QColor::fromRgb(patch.colour));
    }
    return image;
}

TEST(ColourMeasurementTest, AdjustStepIsTwoFifthsOfTheDifferenceAndAtLeastTwo) {
    const std::tuple<std::uint8_t, std::uint8_t, int> cases[] = {
        {107, 100, 2}, {100, 108, 3}, {255, 0, 102}, {120, 105, 6}, {100, 101, 2}, {100, 100, 2}};
    for (const auto& [a, b, step] : cases) {
        EXPECT_EQ(AdjustStep(a, b), step) << int(a) << " " << int(b);
    }
}

// What a front end without a window measures: the delivered frame, a bottom-up bitmap of blue,
// green and red bytes, each row padded to four bytes.
TEST(ColourMeasurementTest, FrameImageShowsTheBottomRowLast) {
    const std::uint8_t frame[] = {1, 2, 3, 0, 4, 5, 6, 0};
    BITMAPINFOHEADER info{};
    info.biWidth = 1;
    info.biHeight = 2;
    const QImage image = FrameImage(info, frame);
    EXPECT_EQ(image.pixel(0, 0), qRgb(6, 5, 4));
    EXPECT_EQ(image.pixel(0, 1), qRgb(3, 2, 1));
}

TEST(ColourMeasurementTest, MeasuresTheBlockInsideTheZoneOneFrame) {
    const QRect all(0, 0, 640, 480);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb green = qRgb(0, 255, 0);
    struct Case {
        const char* name;
        QImage image;
        int red, green, blue;
    };
    const Case cases[] = {
        // The block's sum over the smaller divisor, limited to 255.
        {"white", area({{all, white}}), 255, 255, 255},
        // The Zone 1 frame and everything outside the block x 162..477, y 122..357 is not read.
        {"framed",
         area({{{162, 122, 316, 236}, qRgb(100, 100, 100)},
               {{0, 120, 640, 2}, green},
               {{0, 358, 640, 2}, green},
               {{160, 0, 2, 480}, green},
               {{478, 0, 2, 480}, green}}),
         100, 100, 100},
        // One pixel of the block counts 1/74,576 of its value.
        {"one pixel", area({{{477, 357, 1, 1}, white}}), 0, 0, 0},
        {"118 of 236 rows", area({{{162, 122, 316, 118}, green}}), 0, 127, 0},
        // An area smaller than the live area counts its missing pixels as black.
        {"small", area({{all, white}}, {320, 240}), 63, 63, 63},
        {"none", QImage(), 0, 0, 0},
    };
    for (const Case& c : cases) {
        const ZoneAverages averages = MeasureZone(c.image);
        EXPECT_EQ(averages.red, c.red) << c.name;
        EXPECT_EQ(averages.green, c.green) << c.name;
        EXPECT_EQ(averages.blue, c.blue) << c.name;
    }
}

// Measurements in turn (R, G, B), and R/B, B/G, R/G after each.
TEST(ColourMeasurementTest, RatiosKeepTheirValueWhereTheDivisorIsZero) {
    const std::pair<ZoneAverages, std::array<float, 3>> steps[] = {
        {{120, 100, 80}, {1.5f, 0.8f, 1.2f}},
        {{0, 0, 0}, {1.5f, 0.8f, 1.2f}},
        {{50, 100, 0}, {1.5f, 0.0f, 0.5f}},
    };
    ColourRatios ratios;
    for (const auto& [averages, expected] : steps) {
        UpdateRatios(averages, ratios);
        EXPECT_EQ((std::array{ratios.rb, ratios.bg, ratios.rg}), expected);
    }
}

// The ratios, whether they are in the limits, and strictly inside them.
TEST(ColourMeasurementTest, RatioLimitsIncludeTheirBounds) {
    const RatioLimits limits{0.8f, 1.2f, 0.8f, 1.2f, 0.8f, 1.2f};
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::tuple<ColourRatios, int, bool> cases[] = {
        {{1.0f, 1.0f, 1.0f}, 1, true},   {{0.8f, 1.0f, 1.0f}, 1, false},
        {{1.0f, 1.2f, 1.0f}, 1, false},  {{1.0f, 1.0f, 1.21f}, 0, false},
        {{0.79f, 1.0f, 1.0f}, 0, false}, {{nan, 1.0f, 1.0f}, 0, false}};
    for (const auto& [ratios, inLimits, inside] : cases) {
        EXPECT_EQ(RatiosInLimits(ratios, limits), inLimits) << ratios.rb << ratios.rg;
        EXPECT_EQ(RatiosStrictlyInside(ratios, limits), inside);
    }
}

TEST(ColourMeasurementTest, MatchPercentage) {
    EXPECT_FLOAT_EQ(MatchPercentage({152, 150, 147}), 96.666664f);
    EXPECT_FLOAT_EQ(MatchPercentage({255, 255, 255}), 100.0f);
    EXPECT_FLOAT_EQ(MatchPercentage({10, 0, 10}), 0.0f);
}

} // namespace
} // namespace halvex
