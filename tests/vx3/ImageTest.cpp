// The picture of each sensor: neutral white target, noise, and the visible effect of every
// adjustment.
#include "CameraFixture.h"

#include <cmath>
#include <functional>
#include <numeric>
#include <string>

namespace vx3test {
namespace {

class ImageTest : public CameraTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        plugIn(GetParam().c_str());
    }
    bool ov7610() const { return GetParam() != "OV7620"; }
};

// Blue 0x8C and red 0x30 are the nominal OV7610's neutral gains; the OV7620's colour filters
// pass more red and less blue, so the same gains leave it a warm cast. Frames differ by noise,
// their averages hold, and the same frame renders the same noise.
TEST_P(ImageTest, TheNeutralGainsGiveAGreyTargetOnTheOV7610AndAWarmOneOnTheOV7620) {
    const auto first = capture();
    const Rgb target = measureBlock(first);
    if (ov7610()) {
        EXPECT_NEAR(target.red, target.green, 1.0);
        EXPECT_NEAR(target.blue, target.green, 1.0);
    } else {
        EXPECT_GT(target.red, target.green + 2.0);
        EXPECT_LT(target.blue, target.green - 2.0);
    }
    EXPECT_GT(target.green, 140.0);
    EXPECT_LT(target.green, 200.0);

    clock.advanceSeconds(0.04);
    const auto second = capture();
    EXPECT_GT(std::inner_product(first.begin(), first.end(), second.begin(), 0, std::plus<>(),
                                 std::not_equal_to<>()),
              VX3_FRAME_BYTES / 4);
    const Rgb later = measureBlock(second);
    EXPECT_NEAR(later.green, target.green, 0.1);
    EXPECT_NEAR(later.red, target.red, 0.1);
    EXPECT_NEAR(later.blue, target.blue, 0.1);
    EXPECT_EQ(capture(), second);
}

// Each adjustment moves one average of the target by the amount a technician expects; where
// `redHolds`, the red average stays within 0.5.
TEST_P(ImageTest, AdjustmentsChangeThePicture) {
    enum Channel { Red, Green, Blue };
    const bool old = ov7610();
    const auto superGain = [old] { old ? command(0x0E, 0x80, 0x80) : command(0x74, 0x60, 0x60); };
    const struct {
        const char* name;
        std::function<void()> apply;
        Channel channel;
        double low, high; // of the change
        bool redHolds;
    } adjustments[] = {
        {"higher blue gain", [] { setBalance(0xB0, 0x30); }, Blue, 10, 255, true},
        {"higher red gain", [] { setBalance(0x8C, 0x40); }, Red, 10, 255, false},
        {"brightness up", [] { command(0x06, 0xFF, 0xC0); }, Green, 31, 33, false},
        {"brightness down", [] { command(0x06, 0xFF, 0x40); }, Green, -33, -31, false},
        {"contrast up", [old] { old ? command(0x05, 0xFF, 0xFF) : command(0x64, 0xFE, 0xFE); },
         Green, 20, 255, false},
        {"blue colour bias", [] { command(0x0C, 0x3F, 0x3F); }, Blue, 5, 255, true},
        {"red colour bias down", [] { command(0x0D, 0x3F, 0x00); }, Red, -255, -10, false},
        {"gamma off", [] { command(0x14, 0x04, 0x00); }, Green, -255, -40, false},
        {"gamma value", [old] { old ? command(0x72, 0xFF, 0xFF) : command(0x62, 0xFE, 0xFE); },
         Green, 15, 255, false},
        {"gamma level", [old] { old ? command(0x71, 0x03, 0x03) : command(0x64, 0x01, 0x00); },
         Green, -255, -2, false},
        {"super gain, exposure frozen", [superGain] { command(0x28, 0x10, 0x10), superGain(); },
         Green, 30, 255, false},
        {"super gain, exposure automatic", superGain, Green, -8, 8, false},
    };
    for (const auto& adjustment : adjustments) {
        plugIn(GetParam().c_str());
        const Rgb before = measure();
        adjustment.apply();
        clock.advanceSeconds(2.0);
        const Rgb after = measure();
        const double change[] = {after.red - before.red, after.green - before.green,
                                 after.blue - before.blue};
        EXPECT_GT(change[adjustment.channel], adjustment.low) << adjustment.name;
        EXPECT_LT(change[adjustment.channel], adjustment.high) << adjustment.name;
        if (adjustment.redHolds) {
            EXPECT_LT(std::abs(change[Red]), 0.5) << adjustment.name;
        }
    }
}

TEST_P(ImageTest, MirrorColourBarsAndGreyAtSaturationZero) {
    const auto normal = capture();
    command(0x12, 0x40, 0x40);
    const auto mirrored = capture();
    for (const std::size_t x : {0u, 100u, 639u}) {
        EXPECT_EQ(normal[240 * 1920 + x * 3 + 1], mirrored[240 * 1920 + (639 - x) * 3 + 1]);
    }
    command(0x12, 0x42, 0x02);
    const auto bars = capture();
    EXPECT_EQ(bars[0], 255) << "white bar at the left";
    EXPECT_EQ(bars[(639 * 3)], 0) << "black bar at the right";

    command(0x12, 0x02, 0x00);
    command(0x03, 0xFF, 0x00);
    const auto grey = capture();
    for (std::size_t i = 0; i < grey.size(); i += 3) {
        const auto [low, high] = std::minmax({grey[i], grey[i + 1], grey[i + 2]});
        ASSERT_LE(high - low, 1) << "pixel " << i / 3;
    }
}

INSTANTIATE_TEST_SUITE_P(Sensors, ImageTest, ::testing::Values("OV7610", "OV7620"));

} // namespace
} // namespace vx3test
