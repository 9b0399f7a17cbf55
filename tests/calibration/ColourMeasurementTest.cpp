// The measurement of the sampling block and the manual adjustment's arithmetic, without a window.
#include "calibration/ColourMeasurement.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace halvex {
namespace {

QImage filled(QRgb colour) {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(ColourMeasurementTest, AdjustStepIsTwoFifthsOfTheDifferenceAndAtLeastTwo) {
    struct Case {
        int a, b, step;
    };
    const Case cases[] = {{107, 100, 2}, {100, 108, 3}, {255, 0, 102}, {120, 105, 6}};
    for (const Case& c : cases) {
        EXPECT_EQ(AdjustStep(static_cast<std::uint8_t>(c.a), static_cast<std::uint8_t>(c.b)),
                  c.step)
            << c.a << " " << c.b;
    }
    for (int d = 0; d <= 255; ++d) { // the same as the integer part of 2d/5, at least 2
        EXPECT_EQ(AdjustStep(0, static_cast<std::uint8_t>(d)), std::max(2 * d / 5, 2)) << d;
    }
}

TEST(ColourMeasurementTest, MeasuresTheBlockInsideTheZoneOneFrame) {
    // An all-white area reads 255: the block's sum over the smaller divisor, limited to 255.
    const ZoneAverages white = MeasureZone(filled(qRgb(255, 255, 255)));
    EXPECT_EQ(white.red, 255);
    EXPECT_EQ(white.green, 255);
    EXPECT_EQ(white.blue, 255);

    const ZoneAverages colour = MeasureZone(filled(qRgb(200, 150, 90)));
    EXPECT_EQ(colour.red, 200);
    EXPECT_EQ(colour.green, 150);
    EXPECT_EQ(colour.blue, 90);

    // The Zone 1 frame and everything outside the block x 162..477, y 122..357 is not read.
    QImage framed = filled(qRgb(0, 0, 0));
    for (int y = 122; y <= 357; ++y) {
        for (int x = 162; x <= 477; ++x) {
            framed.setPixel(x, y, qRgb(100, 100, 100));
        }
    }
    for (int x = 0; x < 640; ++x) {
        for (int y : {120, 121, 358, 359}) {
            framed.setPixel(x, y, qRgb(0, 255, 0));
        }
    }
    for (int y = 0; y < 480; ++y) {
        for (int x : {160, 161, 478, 479}) {
            framed.setPixel(x, y, qRgb(0, 255, 0));
        }
    }
    const ZoneAverages block = MeasureZone(framed);
    EXPECT_EQ(block.red, 100);
    EXPECT_EQ(block.green, 100);
    EXPECT_EQ(block.blue, 100);

    // One pixel of the block counts 1/74,576 of its value.
    QImage single = filled(qRgb(0, 0, 0));
    single.setPixel(477, 357, qRgb(255, 255, 255));
    EXPECT_EQ(MeasureZone(single).green, 0);
    QImage half = filled(qRgb(0, 0, 0));
    for (int y = 122; y < 240; ++y) {
        for (int x = 162; x <= 477; ++x) {
            half.setPixel(x, y, qRgb(0, 255, 0));
        }
    }
    EXPECT_EQ(MeasureZone(half).green, 127); // 118 of 236 rows: 127.5, truncated

    // An area smaller than the live area counts its missing pixels as black.
    QImage small(320, 240, QImage::Format_RGB32);
    small.fill(qRgb(255, 255, 255));
    EXPECT_EQ(MeasureZone(small).red, 255 * 158 * 118 / 74576);
    EXPECT_EQ(MeasureZone(QImage()).red, 0);
}

TEST(ColourMeasurementTest, RatiosKeepTheirValueWhereTheDivisorIsZero) {
    ColourRatios ratios;
    UpdateRatios({120, 100, 80}, ratios);
    EXPECT_FLOAT_EQ(ratios.rb, 1.5f);
    EXPECT_FLOAT_EQ(ratios.bg, 0.8f);
    EXPECT_FLOAT_EQ(ratios.rg, 1.2f);
    UpdateRatios({0, 0, 0}, ratios);
    EXPECT_FLOAT_EQ(ratios.rb, 1.5f);
    UpdateRatios({50, 100, 0}, ratios);
    EXPECT_FLOAT_EQ(ratios.rb, 1.5f);
    EXPECT_FLOAT_EQ(ratios.bg, 0.0f);
    EXPECT_FLOAT_EQ(ratios.rg, 0.5f);
}

TEST(ColourMeasurementTest, RatioLimitsIncludeTheirBounds) {
    const RatioLimits limits{0.8f, 1.2f, 0.8f, 1.2f, 0.8f, 1.2f};
    struct Case {
        ColourRatios ratios;
        int inLimits;
        bool strictlyInside;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {{1.0f, 1.0f, 1.0f}, 1, true},   {{0.8f, 1.0f, 1.0f}, 1, false},
        {{1.0f, 1.2f, 1.0f}, 1, false},  {{1.0f, 1.0f, 1.21f}, 0, false},
        {{0.79f, 1.0f, 1.0f}, 0, false}, {{nan, 1.0f, 1.0f}, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RatiosInLimits(c.ratios, limits), c.inLimits) << c.ratios.rb << c.ratios.rg;
        EXPECT_EQ(RatiosStrictlyInside(c.ratios, limits), c.strictlyInside);
    }
}

TEST(ColourMeasurementTest, MessageAndMatchPercentage) {
    ColourRatios ratios;
    UpdateRatios({152, 150, 147}, ratios);
    EXPECT_EQ(ColourMessage({152, 150, 147}, ratios),
              QStringLiteral(" Blue = 147    Red = 152    Green = 150    R/B = 1.03    B/G = 0.98  "
                             "  R/G = 1.01"));
    EXPECT_FLOAT_EQ(MatchPercentage({152, 150, 147}), 96.666664f);
    EXPECT_FLOAT_EQ(MatchPercentage({255, 255, 255}), 100.0f);
    EXPECT_FLOAT_EQ(MatchPercentage({10, 0, 10}), 0.0f);
}

} // namespace
} // namespace halvex
