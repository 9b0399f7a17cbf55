// Unit identity: each seed a camera of its own, the same seed the same camera; the two sensors.
#include "CameraFixture.h"

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

namespace vx3test {
namespace {

class UnitTest : public CameraTest {
protected:
    // A fresh camera of the unit, opened, in the tool's state before live view, settled.
    void plugIn(std::uint32_t seed, const char* sensor = "OV7610") {
        vx3sim::reset();
        vx3sim::setCameraVersion(sensor);
        vx3sim::setUnit(seed);
        ASSERT_NE(VX3_InitCamera(nullptr), 0);
        prepareLiveView();
        clock.advanceSeconds(5.0);
    }
};

// Frames count from the camera's power-on, so a unit plugged in later shows the same frames.
TEST_F(UnitTest, TheSameSeedGivesTheSameFramesAnotherSeedOthers) {
    for (const std::uint32_t seed : {0u, 7u}) {
        plugIn(seed);
        const auto first = capture();
        plugIn(seed);
        EXPECT_EQ(capture(), first) << "seed " << seed;
    }
    plugIn(7);
    const auto seven = capture();
    plugIn(8);
    EXPECT_NE(capture(), seven);
}

// Every unit is calibratable from the panel's defaults, each at its own gains, which the
// automatic balance leaves within its 2 % dead band of neutral.
TEST_F(UnitTest, DifferentSeedsNeedDifferentNeutralGainsWithinTheDefaultRanges) {
    std::set<std::pair<int, int>> gains;
    int castLevels = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        plugIn(seed);
        const auto settled = autoAdjust(true);
        ASSERT_TRUE(settled);
        EXPECT_LE(settled->blue, 245);
        EXPECT_LE(settled->red, 245);
        gains.emplace(settled->blue, settled->red);
        const Rgb target = measure();
        EXPECT_NEAR(target.red, target.green, 0.02 * target.green);
        EXPECT_NEAR(target.blue, target.green, 0.02 * target.green);
        EXPECT_GT(target.green, 100.0);
        EXPECT_LT(target.green, 230.0);
        castLevels +=
            std::abs(target.red - target.green) > 0.5 || std::abs(target.blue - target.green) > 0.5;
        ASSERT_TRUE(manualAdjust());
    }
    EXPECT_EQ(gains.size(), 6u);
    EXPECT_GE(castLevels, 3) << "the balance stops short of neutral";
}

// With the same settings the OV7620's picture is noisier than the OV7610's (its colour cast is
// the picture tests' concern): the same spot differs more from one frame to the next.
TEST_F(UnitTest, TheOV7620IsNoisierThanTheOV7610) {
    double noise[2] = {0.0, 0.0};
    for (int k = 0; k < 2; ++k) {
        plugIn(0, k == 0 ? "OV7610" : "OV7620");
        const auto first = capture();
        clock.advanceSeconds(0.1);
        const auto second = capture();
        for (std::size_t row = 200; row < 280; ++row) {
            for (std::size_t i = row * 640 * 3 + 900; i < row * 640 * 3 + 1000; ++i) {
                const double d = static_cast<double>(first[i]) - second[i];
                noise[k] += d * d;
            }
        }
    }
    EXPECT_GT(noise[1], noise[0] * 1.2 * 1.2);
}

TEST_F(UnitTest, TheEnvironmentChoosesUnitAndBadUnit) {
    plugIn(11);
    const auto eleven = capture();
    ::setenv("VX3SIM_UNIT", "11", 1);
    ::setenv("VX3SIM_BAD_UNIT", "stuck-register:06", 1);
    vx3sim::reset();
    ::unsetenv("VX3SIM_UNIT");
    ::unsetenv("VX3SIM_BAD_UNIT");
    ASSERT_NE(VX3_InitCamera(nullptr), 0);
    prepareLiveView();
    clock.advanceSeconds(5.0);
    EXPECT_EQ(capture(), eleven);
    command(0x06, 0xFF, 0xC0);
    EXPECT_EQ(vx3sim::peekRegister(0x06), 0x80) << "register 0x06 ignores writes";
}

} // namespace
} // namespace vx3test
