// The automatic loops in virtual time: white balance settling, exposure and gain, the tool's
// procedures.
#include "CameraFixture.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace vx3test {
namespace {

struct BalanceCase {
    const char* sensor;
    std::uint8_t speed;    // COME bit 1: fast
    std::uint8_t slowLong; // COMK bit 1: slow updates every 64 frames
    std::uint16_t frameRate;
};

class AutoBalanceTest : public CameraTest, public ::testing::WithParamInterface<BalanceCase> {
protected:
    bool ov7610() const { return std::string(GetParam().sensor) == "OV7610"; }
    void startAutoBalance() { ov7610() ? command(0x12, 0x04, 0x04) : command(0x12, 0xDF, 0x04); }
};

// The automatic adjustment as the tool runs it: initial values written in manual mode, the
// camera's balance switched on, readings every 2 s until three in a row are equal.
TEST_P(AutoBalanceTest, SettlesFromTheToolsStartValuesToNeutralAndHolds) {
    const BalanceCase& c = GetParam();
    vx3sim::setCameraVersion(c.sensor);
    prepareLiveView();
    command(0x20, 0x02, c.speed);
    command(ov7610() ? 0x38 : 0x70, 0x02, c.slowLong);
    ASSERT_NE(VX3_LV_SetFrameRate(c.frameRate), 0);
    setBalance(110, 25);
    startAutoBalance();
    clock.advanceSeconds(2.0);
    WhiteBalanceValue previous{0, 0};
    int equal = 0, readings = 0;
    while (equal < 2 && readings < 50) {
        const WhiteBalanceValue now = balance();
        equal = now.blue == previous.blue && now.red == previous.red ? equal + 1 : 0;
        previous = now;
        ++readings;
        clock.advanceSeconds(2.0);
    }
    EXPECT_LT(readings, 50) << "settled within 100 s";
    EXPECT_EQ(previous.blue, 0x8C);
    EXPECT_EQ(previous.red, 0x30);
    clock.advanceSeconds(600.0);
    EXPECT_EQ(balance().blue, previous.blue) << "no dither once settled";
    EXPECT_EQ(balance().red, previous.red);
    const Rgb target = measure();
    EXPECT_NEAR(target.red, target.green, 2.0);
    EXPECT_NEAR(target.blue, target.green, 2.0);
}

INSTANTIATE_TEST_SUITE_P(SpeedsAndSensors, AutoBalanceTest,
                         ::testing::Values(BalanceCase{"OV7610", 0x02, 0x00, 30},
                                           BalanceCase{"OV7610", 0x00, 0x00, 30},
                                           BalanceCase{"OV7610", 0x00, 0x02, 30},
                                           BalanceCase{"OV7620", 0x00, 0x02, 30},
                                           BalanceCase{"OV7620", 0x02, 0x00, 5}));

class LoopTest : public CameraTest {};

TEST_F(LoopTest, ColourBiasMovesTheAutomaticBalance) {
    prepareLiveView();
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

TEST_F(LoopTest, AutoExposureBringsTheTargetIntoRangeAndStays) {
    prepareLiveView();
    command(0x28, 0x10, 0x10);
    command(0x10, 0xFF, 0x10);
    EXPECT_LT(measure().green, 100.0) << "underexposed while frozen";
    command(0x28, 0x10, 0x00);
    clock.advanceSeconds(3.0);
    const std::uint8_t exposure = vx3sim::peekRegister(0x10);
    const double green = measure().green;
    EXPECT_GT(green, 150.0);
    EXPECT_LT(green, 185.0);
    clock.advanceSeconds(60.0);
    EXPECT_EQ(vx3sim::peekRegister(0x10), exposure);
}

TEST_F(LoopTest, GainLoopTakesOverWhenExposureIsHeld) {
    prepareLiveView();
    command(0x29, 0x80, 0x80); // exposure held, gain loop still on
    command(0x10, 0xFF, 0x20);
    clock.advanceSeconds(10.0);
    EXPECT_GT(vx3sim::peekRegister(0x00) & 0x3F, 0);
    EXPECT_GT(measure().green, 150.0);
}

// The manual adjustment as the tool runs it: gains stepped by 0.4 x |difference| (at least 2)
// once per second until red and blue lie within 2 of green.
TEST_F(LoopTest, ManualAdjustmentConvergesFromTheToolsStartValues) {
    prepareLiveView();
    std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    setBalance(110, 25);
    clock.advanceSeconds(3.0);
    const auto step = [](int a, int b) {
        return std::max(2, static_cast<int>(2 * std::abs(a - b) * 0.2));
    };
    bool done = false;
    int pass = 0;
    for (; pass < 100 && !done; ++pass) {
        ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
        const Rgb m = measureBlock(frame);
        const int r = static_cast<int>(m.red), g = static_cast<int>(m.green),
                  b = static_cast<int>(m.blue);
        WhiteBalanceValue wb = balance();
        const int red = step(g, r), blue = step(g, b);
        wb.red = static_cast<std::uint16_t>(
            r < g ? wb.red + red : (r > g && wb.red > red ? wb.red - red : wb.red));
        wb.blue = static_cast<std::uint16_t>(
            b < g ? wb.blue + blue : (b > g && wb.blue > blue ? wb.blue - blue : wb.blue));
        done = std::abs(r - g) <= 2 && std::abs(b - g) <= 2;
        setBalance(wb.blue, wb.red);
        clock.advanceSeconds(1.0);
    }
    EXPECT_TRUE(done);
    EXPECT_LT(pass, 30);
    EXPECT_NEAR(balance().blue, 0x8C, 4);
    EXPECT_NEAR(balance().red, 0x30, 2);
}

TEST_F(LoopTest, UnstableReadBackWandersAroundTheTrueGains) {
    prepareLiveView();
    vx3sim::setWhiteBalanceUnstable(true);
    WhiteBalanceValue previous = balance();
    for (int i = 0; i < 12; ++i) {
        const WhiteBalanceValue now = balance();
        EXPECT_FALSE(now.blue == previous.blue && now.red == previous.red);
        EXPECT_NE(now.blue, 0x8C);
        EXPECT_NEAR(now.blue, 0x8C, 2);
        EXPECT_NEAR(now.red, 0x30, 2);
        previous = now;
    }
    vx3sim::setWhiteBalanceUnstable(false);
    EXPECT_EQ(balance().blue, 0x8C);
}

} // namespace
} // namespace vx3test
