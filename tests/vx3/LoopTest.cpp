// The automatic loops in virtual time (white balance settling, exposure and gain); units: each
// seed a camera of its own, the same seed the same camera, the stuck register of a bad unit.
#include "CameraFixture.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

namespace vx3test {
namespace {

using LoopTest = CameraTest;
using UnitTest = CameraTest;

// From the tool's start values (blue 110, red 25) the balance stops within its 2 % dead band of
// neutral and holds there, at every speed and frame rate. Every unit is calibratable from the
// panel's defaults, each at gains of its own.
TEST_F(LoopTest, AutomaticBalanceSettlesFromTheToolsStartValuesInsideItsDeadBandAndHolds) {
    const struct {
        const char* sensor;
        std::uint32_t seed;
        std::uint8_t speed;    // COME bit 1: fast
        std::uint8_t slowLong; // COMK bit 1: slow updates every 64 frames
        std::uint16_t frameRate;
    } cases[] = {
        {"OV7610", 0, 0x02, 0x00, 30}, {"OV7610", 0, 0x00, 0x00, 30}, {"OV7610", 0, 0x00, 0x02, 30},
        {"OV7620", 0, 0x00, 0x02, 30}, {"OV7620", 0, 0x02, 0x00, 5},  {"OV7610", 1, 0x00, 0x00, 30},
        {"OV7610", 2, 0x00, 0x00, 30}, {"OV7610", 3, 0x00, 0x00, 30}, {"OV7610", 4, 0x00, 0x00, 30},
        {"OV7610", 5, 0x00, 0x00, 30}, {"OV7610", 6, 0x00, 0x00, 30}};
    std::set<std::pair<int, int>> unitGains;
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const bool ov7610 = std::string(c.sensor) == "OV7610";
        plugIn(c.sensor, c.seed);
        command(0x20, 0x02, c.speed);
        command(ov7610 ? 0x38 : 0x70, 0x02, c.slowLong);
        ASSERT_NE(VX3_LV_SetFrameRate(c.frameRate), 0);
        // The automatic balance switched on from the panel's start values as the tool does it.
        setBalance(110, 25);
        ov7610 ? command(0x12, 0x04, 0x04) : command(0x12, 0xDF, 0x04);
        clock.advanceSeconds(100.0);
        const WhiteBalanceValue settled = balance();
        if (c.seed != 0) {
            unitGains.emplace(settled.blue, settled.red);
        } else if (ov7610) {
            EXPECT_NEAR(settled.blue, 0x8C, 4);
            EXPECT_NEAR(settled.red, 0x30, 2);
        }
        EXPECT_LE(std::max(settled.blue, settled.red), 245);
        clock.advanceSeconds(600.0);
        const WhiteBalanceValue held = balance();
        EXPECT_EQ(held.blue << 8 | held.red, settled.blue << 8 | settled.red) << "no dither";
        const Rgb target = measure();
        EXPECT_NEAR(target.red, target.green, 0.02 * target.green);
        EXPECT_NEAR(target.blue, target.green, 0.02 * target.green);
        EXPECT_GT(target.green, 100.0);
        EXPECT_LT(target.green, 230.0);
    }
    EXPECT_EQ(unitGains.size(), 6u);
}

TEST_F(LoopTest, ColourBiasMovesTheAutomaticBalance) {
    command(0x0C, 0x3F, 0x3F);
    command(0x0D, 0x3F, 0x00);
    command(0x12, 0x04, 0x04);
    clock.advanceSeconds(60.0);
    const WhiteBalanceValue biased = balance();
    EXPECT_GT(biased.blue, 0x8C + 20);
    EXPECT_LT(biased.red, 0x30 - 5);
    const Rgb target = measure();
    EXPECT_GT(target.blue, target.green + 5);
    EXPECT_LT(target.red, target.green - 5);
}

TEST_F(LoopTest, AutoExposureBringsTheTargetIntoRangeAndStaysThereAndGainTakesOverWhenHeld) {
    command(0x28, 0x10, 0x10);
    command(0x10, 0xFF, 0x10);
    EXPECT_LT(measure().green, 100.0) << "underexposed while frozen";
    command(0x28, 0x10, 0x00);
    clock.advanceSeconds(3.0);
    const std::uint8_t exposure = vx3sim::peekRegister(0x10);
    EXPECT_GT(measure().green, 150.0);
    EXPECT_LT(measure().green, 185.0);
    clock.advanceSeconds(60.0);
    EXPECT_EQ(vx3sim::peekRegister(0x10), exposure);

    plugIn();
    command(0x29, 0x80, 0x80); // exposure held, gain loop still on
    command(0x10, 0xFF, 0x20);
    clock.advanceSeconds(10.0);
    EXPECT_GT(vx3sim::peekRegister(0x00) & 0x3F, 0);
    EXPECT_GT(measure().green, 150.0);
}

// A doubled gain (super gain) under automatic exposure: the first frame still shows most of the
// step; the exposure takes it back with a time constant of 3 frames when fast, 24 when slow.
TEST_F(LoopTest, ExposureTakesAGainStepBackOverFrames) {
    const struct {
        std::uint8_t aecFast; // COMJ bit 7
        int earliest, latest; // frame by which the target is back at its settled level
    } cases[] = {{0x80, 6, 13}, {0x00, 50, 100}};
    std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.aecFast);
        plugIn();
        command(0x2D, 0x80, c.aecFast);
        clock.advanceSeconds(20.0);
        ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
        const double before = measureBlock(frame).green;
        command(0x0E, 0x80, 0x80);
        std::vector<double> green;
        for (int i = 0; i < 300; ++i) {
            ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
            green.push_back(measureBlock(frame).green);
        }
        const double settled = green.back();
        EXPECT_NEAR(settled, before, 10.0);
        EXPECT_GT(green[0], settled + 25.0) << "the first frame shows the step";
        const auto back = std::find_if(green.begin(), green.end(),
                                       [settled](double g) { return g < settled + 2.0; });
        EXPECT_GE(back - green.begin() + 1, c.earliest);
        EXPECT_LE(back - green.begin() + 1, c.latest);
        EXPECT_EQ(
            std::adjacent_find(green.begin(), back, [](double a, double b) { return b > a + 0.3; }),
            back)
            << "the target only darkens on its way back";
    }
}

// The variables a technician sets for an interactive run choose the same unit as the control calls:
// the same frames, as frames count from the camera's power-on and the same seed is the same unit.
TEST_F(UnitTest, TheEnvironmentChoosesUnitAndBadUnit) {
    plugIn("OV7610", 11);
    const auto eleven = capture();
    ::setenv("VX3SIM_UNIT", "11", 1);
    ::setenv("VX3SIM_BAD_UNIT", "stuck-register:06", 1);
    vx3sim::reset();
    ::unsetenv("VX3SIM_UNIT");
    ::unsetenv("VX3SIM_BAD_UNIT");
    open();
    EXPECT_EQ(capture(), eleven);
    command(0x06, 0xFF, 0xC0);
    EXPECT_EQ(vx3sim::peekRegister(0x06), 0x80) << "register 0x06 ignores writes";
}

TEST_F(UnitTest, AStuckRegisterIgnoresTheHostAndTheLoopsUntilTheUnitIsMadeSound) {
    plugIn("OV7610", 0, vx3sim::BadUnit::StuckRegister);
    EXPECT_EQ(balance().blue, 0x80) << "the start-up's white balance did not reach blue";
    command(0x12, 0x04, 0x04);
    clock.advanceSeconds(30.0);
    EXPECT_EQ(balance().blue, 0x80) << "nor does the automatic balance";
    vx3sim::setBadUnit(vx3sim::BadUnit::None);
    command(0x12, 0x04, 0x00);
    setBalance(0x8C, 0x30);
    EXPECT_EQ(balance().blue, 0x8C);
    plugIn("OV7610", 0, vx3sim::BadUnit::StuckRegister, 0x03);
    EXPECT_EQ(balance().blue, 0x8C);
    command(0x03, 0xFF, 0x20);
    EXPECT_EQ(vx3sim::peekRegister(0x03), 0x80);
}

} // namespace
} // namespace vx3test
