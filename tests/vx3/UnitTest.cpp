// Unit identity: each seed a camera of its own, the same seed the same camera; the stuck register
// of a bad unit.
#include "CameraFixture.h"

#include <cstdlib>
#include <set>
#include <utility>

namespace vx3test {
namespace {

using vx3sim::BadUnit;
using UnitTest = CameraTest;

// Frames count from the camera's power-on, so a unit plugged in later shows the same frames.
TEST_F(UnitTest, TheSameSeedGivesTheSameFramesAnotherSeedOthers) {
    for (const std::uint32_t seed : {0u, 7u}) {
        plugIn("OV7610", seed);
        const auto first = capture();
        plugIn("OV7610", seed);
        EXPECT_EQ(capture(), first) << "seed " << seed;
    }
    const auto seven = capture();
    plugIn("OV7610", 8);
    EXPECT_NE(capture(), seven);
}

// Every unit is calibratable from the panel's defaults, each at its own gains, which the
// automatic balance leaves within its 2 % dead band of neutral.
TEST_F(UnitTest, DifferentSeedsNeedDifferentNeutralGainsWithinTheDefaultRanges) {
    std::set<std::pair<int, int>> gains;
    int castLevels = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        plugIn("OV7610", seed);
        const WhiteBalanceValue settled = autoBalance();
        EXPECT_LE(settled.blue, 245);
        EXPECT_LE(settled.red, 245);
        gains.emplace(settled.blue, settled.red);
        const Rgb target = measure();
        EXPECT_NEAR(target.red, target.green, 0.02 * target.green);
        EXPECT_NEAR(target.blue, target.green, 0.02 * target.green);
        EXPECT_GT(target.green, 100.0);
        EXPECT_LT(target.green, 230.0);
        castLevels +=
            std::abs(target.red - target.green) > 0.5 || std::abs(target.blue - target.green) > 0.5;
    }
    EXPECT_EQ(gains.size(), 6u);
    EXPECT_GE(castLevels, 3) << "the balance stops short of neutral";
}

TEST_F(UnitTest, TheEnvironmentChoosesUnitAndBadUnit) {
    plugIn("OV7610", 11);
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

TEST_F(UnitTest, AStuckRegisterIgnoresTheHostAndTheLoopsUntilTheUnitIsMadeSound) {
    plugIn("OV7610", 0, BadUnit::StuckRegister);
    EXPECT_EQ(balance().blue, 0x80) << "the start-up's white balance did not reach blue";
    command(0x12, 0x04, 0x04);
    clock.advanceSeconds(30.0);
    EXPECT_EQ(balance().blue, 0x80) << "nor does the automatic balance";
    vx3sim::setBadUnit(BadUnit::None);
    prepareLiveView();
    EXPECT_EQ(balance().blue, 0x8C);

    plugIn("OV7610", 0, BadUnit::StuckRegister, 0x03);
    EXPECT_EQ(balance().blue, 0x8C);
    command(0x03, 0xFF, 0x20);
    EXPECT_EQ(vx3sim::peekRegister(0x03), 0x80);
    command(0x12, 0x80, 0x80);
    EXPECT_EQ(vx3sim::peekRegister(0x03), 0x80) << "a soft reset does not free it";
}

} // namespace
} // namespace vx3test
