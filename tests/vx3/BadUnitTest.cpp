// Bad units: each shows its own fault through the library, the way the tool will meet it.
#include "CameraFixture.h"

#include <functional>
#include <string>

namespace vx3test {
namespace {

class BadUnitTest : public CameraTest {
protected:
    // A fresh camera of the bad unit in the state the tool's start-up leaves it, settled.
    void plugIn(vx3sim::BadUnit fault, std::uint8_t stuck = 0x01) {
        vx3sim::reset();
        vx3sim::setBadUnit(fault, stuck);
        ASSERT_NE(VX3_InitCamera(nullptr), 0);
        prepareLiveView();
        clock.advanceSeconds(5.0);
    }
};

TEST_F(BadUnitTest, AWarmLampDrivesTheAutomaticBlueGainOutOfTheDefaultRange) {
    plugIn(vx3sim::BadUnit::WarmLamp);
    const auto settled = autoAdjust(true);
    ASSERT_TRUE(settled) << "the balance settles, at the end of the blue register";
    EXPECT_EQ(settled->blue, 255);
    EXPECT_LE(settled->red, 245);
    EXPECT_LT(measure().blue, measure().green - 10.0) << "the picture stays yellow";
}

TEST_F(BadUnitTest, AnUnsettledReadBackNeverRepeatsButTheGainsHold) {
    plugIn(vx3sim::BadUnit::UnsettledBalance);
    WhiteBalanceValue previous = balance();
    for (int i = 0; i < 60; ++i) {
        clock.advanceSeconds(1.0);
        const WhiteBalanceValue now = balance();
        EXPECT_FALSE(now.blue == previous.blue && now.red == previous.red);
        EXPECT_NE(now.blue, 0x8C);
        EXPECT_NEAR(now.blue, 0x8C, 2);
        EXPECT_NEAR(now.red, 0x30, 2);
        previous = now;
    }
    EXPECT_EQ(vx3sim::peekRegister(0x01), 0x8C);
    EXPECT_FALSE(autoAdjust(true)) << "three equal readings never come";
}

// With automatic exposure on, as the tool's start-up leaves it, the target's green misses the
// default green limits of 100 to 230.
TEST_F(BadUnitTest, WrongExposureTargetsPutTheGreenOutsideTheDefaultLimits) {
    struct Case {
        vx3sim::BadUnit fault;
        const char* name;
        std::function<bool(double)> outside;
    };
    const Case cases[] = {
        {vx3sim::BadUnit::DarkTarget, "dark", [](double g) { return g < 95.0 && g > 60.0; }},
        {vx3sim::BadUnit::BrightTarget, "bright", [](double g) { return g > 235.0; }},
    };
    for (const Case& c : cases) {
        plugIn(c.fault);
        const Rgb target = measure();
        EXPECT_TRUE(c.outside(target.green)) << c.name << ": green " << target.green;
        clock.advanceSeconds(60.0);
        EXPECT_NEAR(measure().green, target.green, 2.0) << c.name << " stays so";
    }
}

TEST_F(BadUnitTest, AStuckRegisterIgnoresTheHostAndTheLoops) {
    plugIn(vx3sim::BadUnit::StuckRegister);
    EXPECT_EQ(balance().blue, 0x80) << "the white balance of the start-up did not reach blue";
    EXPECT_EQ(balance().red, 0x30);
    command(0x12, 0x04, 0x04);
    clock.advanceSeconds(30.0);
    EXPECT_EQ(balance().blue, 0x80) << "nor does the automatic balance";

    plugIn(vx3sim::BadUnit::StuckRegister, 0x03);
    EXPECT_EQ(balance().blue, 0x8C);
    command(0x03, 0xFF, 0x20);
    EXPECT_EQ(vx3sim::peekRegister(0x03), 0x80);
    command(0x12, 0x80, 0x80);
    EXPECT_EQ(vx3sim::peekRegister(0x03), 0x80) << "a soft reset does not free it";
}

// Faults switched while the sensor runs: the unstable read-back comes and goes over the gains
// written before, and a stuck register heals when the unit is made sound.
TEST_F(BadUnitTest, FaultsCanBeSwitchedWhileTheSensorRuns) {
    plugIn(vx3sim::BadUnit::None);
    vx3sim::setWhiteBalanceUnstable(true);
    const WhiteBalanceValue first = balance();
    const WhiteBalanceValue second = balance();
    EXPECT_FALSE(first.blue == second.blue && first.red == second.red);
    vx3sim::setWhiteBalanceUnstable(false);
    EXPECT_EQ(balance().blue, 0x8C);
    EXPECT_EQ(balance().red, 0x30);

    plugIn(vx3sim::BadUnit::StuckRegister);
    vx3sim::setBadUnit(vx3sim::BadUnit::None);
    prepareLiveView();
    EXPECT_EQ(balance().blue, 0x8C);
}

} // namespace
} // namespace vx3test
