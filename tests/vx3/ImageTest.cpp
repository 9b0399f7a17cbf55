// The picture: format, neutral white target, and the visible effect of every adjustment.
#include "CameraFixture.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <numeric>
#include <string>

namespace vx3test {
namespace {

class ImageTest : public CameraTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        vx3sim::setCameraVersion(GetParam());
        prepareLiveView();
        clock.advanceSeconds(2.0); // auto exposure settles
    }
    bool ov7610() const { return GetParam() != "OV7620"; }
};

TEST_P(ImageTest, FrameFormatIsA24BitBottomUpBitmap) {
    static_assert(sizeof(BITMAPINFOHEADER) == 40);
    const BITMAPINFOHEADER expected{40, 640, 480, 1, 24, 0, 921600, 0, 0, 0, 0};
    BITMAPINFOHEADER h{};
    ASSERT_NE(VX3_SIA_GetImageInfo(&h), 0);
    EXPECT_EQ(std::memcmp(&h, &expected, sizeof h), 0);
}

// Blue 0x8C and red 0x30 are the nominal OV7610's neutral gains; the OV7620's colour filters
// pass more red and less blue, so the same gains leave it a warm cast.
TEST_P(ImageTest, TheOV7610sNeutralGainsGiveAGreyTargetInTheGreenLimits) {
    const Rgb target = measure();
    if (ov7610()) {
        EXPECT_NEAR(target.red, target.green, 1.0);
        EXPECT_NEAR(target.blue, target.green, 1.0);
    } else {
        EXPECT_GT(target.red, target.green + 2.0);
        EXPECT_LT(target.blue, target.green - 2.0);
    }
    EXPECT_GT(target.green, 140.0);
    EXPECT_LT(target.green, 200.0);
}

TEST_P(ImageTest, FramesDifferByNoiseButTheirAveragesHold) {
    const auto first = capture();
    clock.advanceSeconds(0.04);
    const auto second = capture();
    const auto differing = std::inner_product(first.begin(), first.end(), second.begin(), 0,
                                              std::plus<>(), std::not_equal_to<>());
    EXPECT_GT(differing, VX3_FRAME_BYTES / 4);
    const Rgb a = measureBlock(first), b = measureBlock(second);
    EXPECT_NEAR(a.green, b.green, 0.1);
    EXPECT_NEAR(a.red, b.red, 0.1);
    EXPECT_NEAR(a.blue, b.blue, 0.1);
    EXPECT_EQ(capture(), second) << "the same frame renders the same noise";
}

// Each adjustment moves the target's averages the way a technician expects.
TEST_P(ImageTest, AdjustmentsChangeThePicture) {
    struct Adjustment {
        const char* name;
        std::function<void()> apply;
        std::function<bool(const Rgb& before, const Rgb& after)> expected;
    };
    const bool old = ov7610();
    const Adjustment adjustments[] = {
        {"higher blue gain", [] { setBalance(0xB0, 0x30); },
         [](const Rgb& b, const Rgb& a) {
             return a.blue > b.blue + 10 && std::abs(a.red - b.red) < 0.5;
         }},
        {"higher red gain", [] { setBalance(0x8C, 0x40); },
         [](const Rgb& b, const Rgb& a) { return a.red > b.red + 10; }},
        {"brightness up", [] { command(0x06, 0xFF, 0xC0); },
         [](const Rgb& b, const Rgb& a) { return std::abs(a.green - b.green - 32) < 1; }},
        {"brightness down", [] { command(0x06, 0xFF, 0x40); },
         [](const Rgb& b, const Rgb& a) { return std::abs(a.green - b.green + 32) < 1; }},
        {"contrast up", [old] { old ? command(0x05, 0xFF, 0xFF) : command(0x64, 0xFE, 0xFE); },
         [](const Rgb& b, const Rgb& a) { return a.green > b.green + 20; }},
        {"blue colour bias", [] { command(0x0C, 0x3F, 0x3F); },
         [](const Rgb& b, const Rgb& a) {
             return a.blue > b.blue + 5 && std::abs(a.red - b.red) < 0.5;
         }},
        {"red colour bias down", [] { command(0x0D, 0x3F, 0x00); },
         [](const Rgb& b, const Rgb& a) { return a.red < b.red - 10; }},
        {"gamma off", [] { command(0x14, 0x04, 0x00); },
         [](const Rgb& b, const Rgb& a) { return a.green < b.green - 40; }},
        {"gamma value", [old] { old ? command(0x72, 0xFF, 0xFF) : command(0x62, 0xFE, 0xFE); },
         [](const Rgb& b, const Rgb& a) { return a.green > b.green + 15; }},
        {"gamma level", [old] { old ? command(0x71, 0x03, 0x03) : command(0x64, 0x01, 0x00); },
         [](const Rgb& b, const Rgb& a) { return a.green < b.green - 2; }},
        {"super gain, exposure frozen",
         [old] {
             command(0x28, 0x10, 0x10);
             old ? command(0x0E, 0x80, 0x80) : command(0x74, 0x60, 0x60);
         },
         [](const Rgb& b, const Rgb& a) { return a.green > b.green + 30; }},
        {"super gain, exposure automatic",
         [old] { old ? command(0x0E, 0x80, 0x80) : command(0x74, 0x60, 0x60); },
         [](const Rgb& b, const Rgb& a) { return std::abs(a.green - b.green) < 8; }},
    };
    for (const Adjustment& adjustment : adjustments) {
        vx3sim::reset();
        ASSERT_NE(VX3_InitCamera(nullptr), 0);
        vx3sim::setCameraVersion(GetParam());
        prepareLiveView();
        clock.advanceSeconds(2.0);
        const Rgb before = measure();
        adjustment.apply();
        clock.advanceSeconds(2.0);
        const Rgb after = measure();
        EXPECT_TRUE(adjustment.expected(before, after))
            << adjustment.name << ": R " << before.red << "->" << after.red << " G " << before.green
            << "->" << after.green << " B " << before.blue << "->" << after.blue;
    }
}

TEST_P(ImageTest, SaturationZeroGivesGrey) {
    command(0x03, 0xFF, 0x00);
    const auto frame = capture();
    int coloured = 0;
    for (std::size_t i = 0; i < frame.size(); i += 3) {
        const auto [low, high] = std::minmax({frame[i], frame[i + 1], frame[i + 2]});
        coloured += high - low > 1;
    }
    EXPECT_EQ(coloured, 0);
}

TEST_P(ImageTest, MirrorAndColourBars) {
    const auto normal = capture();
    command(0x12, 0x40, 0x40);
    const auto mirrored = capture();
    for (const std::size_t x : {0u, 100u, 639u}) {
        const std::size_t row = 240 * 640 * 3;
        EXPECT_EQ(normal[row + x * 3 + 1], mirrored[row + (639 - x) * 3 + 1]);
    }
    command(0x12, 0x42, 0x02);
    const auto bars = capture();
    EXPECT_EQ(bars[0], 255) << "white bar at the left";
    EXPECT_EQ(bars[(639 * 3)], 0) << "black bar at the right";
}

INSTANTIATE_TEST_SUITE_P(Sensors, ImageTest, ::testing::Values("OV7610", "OV7620"));

} // namespace
} // namespace vx3test
