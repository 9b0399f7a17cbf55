// Each sensor's registers (loops owning their registers, modes) and picture (neutral white target,
// the visible effect of every adjustment).
#include "CameraFixture.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vx3test {
namespace {

class SensorTest : public CameraTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        plugIn(GetParam().c_str());
    }
    bool ov7610() const { return GetParam() != "OV7620"; }
};

// A running loop ignores host writes to its register, keeps its last value when stopped and
// then takes the host's.
TEST_P(SensorTest, RunningLoopsOwnTheirRegisters) {
    const struct {
        std::uint8_t enableRegister, enableBit, enabled, owned;
    } owners[] = {{0x12, 0x04, 0x04, 0x01}, // white balance
                  {0x12, 0x04, 0x04, 0x02},
                  {0x12, 0x20, 0x20, 0x00},  // gain
                  {0x28, 0x10, 0x00, 0x10}}; // exposure
    for (const auto& o : owners) {
        SCOPED_TRACE(o.owned);
        command(0x13, 0x01, 0x01);
        command(o.enableRegister, o.enableBit, o.enabled);
        const std::uint8_t held = get(o.owned);
        set(o.owned, static_cast<std::uint8_t>(held ^ 0x05));
        EXPECT_EQ(get(o.owned), held);
        command(0x13, 0x01, 0x00);
        EXPECT_EQ(get(o.owned), held);
        set(o.owned, static_cast<std::uint8_t>(held ^ 0x05));
        EXPECT_EQ(get(o.owned), held ^ 0x05);
    }
}

// The mode functions set and report the sensor's bits; black balance is always automatic, and
// COMI bit 7 switches exposure to manual.
TEST_P(SensorTest, ModeFunctionsGoThroughTheirRegisters) {
    std::int32_t wb = -1, agc = -1, black = 0;
    std::uint16_t exposure = 0;
    ASSERT_NE(VX3_WB_SetMode(1) * VX3_GC_SetAgc(0), 0);
    EXPECT_EQ(get(0x12) & 0x24, 0x04);
    command(0x29, 0x80, 0x80);
    ASSERT_NE(VX3_WB_GetMode(&wb) * VX3_GC_GetAgc(&agc) * VX3_BB_GetMode(&black) *
                  VX3_EXP_GetMode(&exposure),
              0);
    EXPECT_EQ((std::vector<int>{wb, agc, black, exposure}), (std::vector<int>{1, 0, 1, 1}));
    command(0x12, 0x04, 0x00);
    ASSERT_NE(VX3_WB_GetMode(&wb), 0);
    EXPECT_EQ(wb, 0);
    ASSERT_NE(VX3_EXP_SetMode(0), 0);
    EXPECT_EQ((get(0x28) & 0x10) | (get(0x29) & 0x80), 0);
    ASSERT_NE(VX3_EXP_SetMode(1), 0);
    EXPECT_EQ(get(0x28) & 0x10, 0x10);
}

// Blue 0x8C and red 0x30 are the nominal OV7610's neutral gains; the OV7620's colour filters
// pass more red and less blue, so the same gains leave it a warm cast. Each adjustment moves one
// average of the target by the amount a technician expects; a blue one leaves red within 0.5.
TEST_P(SensorTest, TheNeutralGainsAndEachAdjustmentGiveThePictureATechnicianExpects) {
    const Rgb neutral = measure();
    EXPECT_NEAR(neutral.red - neutral.green, ov7610() ? 0.0 : 4.0, ov7610() ? 1.0 : 2.0);
    EXPECT_NEAR(neutral.blue - neutral.green, ov7610() ? 0.0 : -5.5, ov7610() ? 1.0 : 2.0);
    EXPECT_GT(neutral.green, 140.0);
    EXPECT_LT(neutral.green, 200.0);

    enum Channel { Red, Green, Blue };
    struct Command {
        std::uint8_t address, mask, data;
    };
    const struct {
        Command ov7610, ov7620;
        Channel channel;
        double low, high; // of the change
        bool exposureFrozen = false;
    } adjustments[] = {
        {{0x01, 0xFF, 0xB0}, {0x01, 0xFF, 0xB0}, Blue, 10, 255}, // blue gain
        {{0x02, 0xFF, 0x40}, {0x02, 0xFF, 0x40}, Red, 10, 255},  // red gain
        {{0x06, 0xFF, 0xC0}, {0x06, 0xFF, 0xC0}, Green, 31, 33}, // brightness
        {{0x06, 0xFF, 0x40}, {0x06, 0xFF, 0x40}, Green, -33, -31},
        {{0x05, 0xFF, 0xFF}, {0x64, 0xFE, 0xFE}, Green, 20, 255}, // contrast
        {{0x0C, 0x3F, 0x3F}, {0x0C, 0x3F, 0x3F}, Blue, 5, 255},   // colour bias
        {{0x0D, 0x3F, 0x00}, {0x0D, 0x3F, 0x00}, Red, -255, -10},
        {{0x14, 0x04, 0x00}, {0x14, 0x04, 0x00}, Green, -255, -40},     // gamma off
        {{0x72, 0xFF, 0xFF}, {0x62, 0xFE, 0xFE}, Green, 15, 255},       // gamma value
        {{0x71, 0x03, 0x03}, {0x64, 0x01, 0x00}, Green, -255, -2},      // gamma level
        {{0x0E, 0x80, 0x80}, {0x74, 0x60, 0x60}, Green, 30, 255, true}, // super gain
        {{0x0E, 0x80, 0x80}, {0x74, 0x60, 0x60}, Green, -8, 8}, // taken back by the exposure
    };
    for (const auto& adjustment : adjustments) {
        SCOPED_TRACE(&adjustment - adjustments);
        plugIn(GetParam().c_str());
        const Rgb before = measure();
        const Command& c = ov7610() ? adjustment.ov7610 : adjustment.ov7620;
        if (adjustment.exposureFrozen) {
            command(0x28, 0x10, 0x10);
        }
        command(c.address, c.mask, c.data);
        clock.advanceSeconds(2.0);
        const Rgb after = measure();
        const double change[] = {after.red - before.red, after.green - before.green,
                                 after.blue - before.blue};
        EXPECT_GT(change[adjustment.channel], adjustment.low);
        EXPECT_LT(change[adjustment.channel], adjustment.high);
        if (adjustment.channel == Blue) {
            EXPECT_LT(std::abs(change[Red]), 0.5);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sensors, SensorTest, ::testing::Values("OV7610", "OV7620"));

} // namespace
} // namespace vx3test
