// Register semantics on both sensors: identity, soft reset, loops owning their registers, modes.
#include "CameraFixture.h"

#include <string>
#include <vector>

namespace vx3test {
namespace {

class RegisterTest : public CameraTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        vx3sim::setCameraVersion(GetParam());
    }
};

TEST_P(RegisterTest, IdentityIsReadOnlyAndTellsTheModelsApart) {
    set(0x1C, 0x00);
    set(0x1D, 0x00);
    set(0x29, 0xFC);
    EXPECT_EQ(get(0x1C), 0x7F);
    EXPECT_EQ(get(0x1D), 0xA2);
    EXPECT_EQ(get(0x29), GetParam() == "OV7620" ? 0xFC : 0xFF) << "chip id in bits 1:0";
}

TEST_P(RegisterTest, SoftResetRestoresPowerOnValues) {
    command(0x13, 0x01, 0x00);
    const std::uint8_t saturation = get(0x03), timing = get(0x11);
    set(0x03, 0x11);
    ASSERT_NE(VX3_LV_SetFrameRate(5), 0);
    set(0x12, 0x80);
    EXPECT_EQ(get(0x03), saturation);
    EXPECT_EQ(get(0x11), timing);
    EXPECT_EQ(get(0x12) & 0x80, 0) << "the reset bit clears itself";
    std::uint16_t rate = 0;
    ASSERT_NE(VX3_LV_GetFrameRate(&rate), 0);
    EXPECT_EQ(rate, 30);
}

// A running loop ignores host writes to its register, keeps its last value when stopped and
// then takes the host's.
TEST_P(RegisterTest, RunningLoopsOwnTheirRegisters) {
    const struct {
        const char* loop;
        std::uint8_t enableRegister, enableBit, enabled, owned;
    } owners[] = {
        {"white balance", 0x12, 0x04, 0x04, 0x01},
        {"white balance", 0x12, 0x04, 0x04, 0x02},
        {"gain", 0x12, 0x20, 0x20, 0x00},
        {"exposure", 0x28, 0x10, 0x00, 0x10},
    };
    for (const auto& o : owners) {
        command(0x13, 0x01, 0x01);
        command(o.enableRegister, o.enableBit, o.enabled);
        const std::uint8_t held = get(o.owned);
        set(o.owned, static_cast<std::uint8_t>(held ^ 0x05));
        EXPECT_EQ(get(o.owned), held) << o.loop;
        command(0x13, 0x01, 0x00);
        EXPECT_EQ(get(o.owned), held) << o.loop;
        set(o.owned, static_cast<std::uint8_t>(held ^ 0x05));
        EXPECT_EQ(get(o.owned), held ^ 0x05) << o.loop;
    }
}

// The mode functions set and report the sensor's bits; black balance is always automatic, and
// COMI bit 7 switches exposure to manual.
TEST_P(RegisterTest, ModeFunctionsAndWhiteBalanceGoThroughTheirRegisters) {
    std::int32_t wb = -1, agc = -1, black = 0;
    std::uint16_t exposure = 0;
    ASSERT_NE(VX3_WB_SetMode(1), 0);
    ASSERT_NE(VX3_GC_SetAgc(0), 0);
    EXPECT_EQ(get(0x12) & 0x24, 0x04);
    command(0x29, 0x80, 0x80);
    ASSERT_NE(VX3_WB_GetMode(&wb), 0);
    ASSERT_NE(VX3_GC_GetAgc(&agc), 0);
    ASSERT_NE(VX3_BB_GetMode(&black), 0);
    ASSERT_NE(VX3_EXP_GetMode(&exposure), 0);
    EXPECT_EQ(std::vector<int>({wb != 0, agc, black != 0, exposure}),
              std::vector<int>({1, 0, 1, 1}));
    command(0x12, 0x04, 0x00);
    ASSERT_NE(VX3_WB_GetMode(&wb), 0);
    EXPECT_EQ(wb, 0);
    ASSERT_NE(VX3_EXP_SetMode(0), 0);
    EXPECT_EQ(get(0x28) & 0x10, 0);
    EXPECT_EQ(get(0x29) & 0x80, 0);
    ASSERT_NE(VX3_EXP_SetMode(1), 0);
    EXPECT_EQ(get(0x28) & 0x10, 0x10);

    setBalance(0x8C, 0x30);
    EXPECT_EQ(get(0x01) << 8 | get(0x02), 0x8C30);
    set(0x01, 0x22);
    EXPECT_EQ(balance().blue, 0x22);
}

INSTANTIATE_TEST_SUITE_P(Sensors, RegisterTest, ::testing::Values("OV7610", "OV7620"));

} // namespace
} // namespace vx3test
