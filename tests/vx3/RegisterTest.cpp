// Register semantics: read-modify-write, identity, soft reset, loops owning their registers, modes.
#include "CameraFixture.h"

#include <string>

namespace vx3test {
namespace {

class RegisterTest : public CameraTest, public ::testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        vx3sim::setCameraVersion(GetParam());
    }
    static std::uint8_t get(std::uint8_t address) {
        std::uint8_t value = 0;
        EXPECT_NE(VX3_EST_GetAdrsData(address, 1, &value), 0);
        return value;
    }
    static void set(std::uint8_t address, std::uint8_t value) {
        EXPECT_NE(VX3_EST_SetAdrsData(address, 1, &value), 0);
    }
    // Holds every loop still so that registers keep what the test writes.
    static void stopLoops() { command(0x13, 0x01, 0x00); }
};

TEST_P(RegisterTest, ReadModifyWriteChangesOnlyTheMaskedBits) {
    stopLoops();
    set(0x71, 0x5A);
    command(0x71, 0x03, 0x01);
    EXPECT_EQ(get(0x71), 0x59);
    command(0x14, 0x84, 0x84);
    EXPECT_EQ(get(0x14) & 0x84, 0x84);
    std::uint8_t block[4] = {1, 2, 3, 4}, back[4] = {};
    ASSERT_NE(VX3_EST_SetAdrsData(0x40, 4, block), 0);
    ASSERT_NE(VX3_EST_GetAdrsData(0x40, 4, back), 0);
    EXPECT_EQ(std::string(back, back + 4), std::string(block, block + 4));
}

TEST_P(RegisterTest, IdentityIsReadOnlyAndTellsTheModelsApart) {
    set(0x1C, 0x00);
    set(0x1D, 0x00);
    set(0x29, 0xFC);
    EXPECT_EQ(get(0x1C), 0x7F);
    EXPECT_EQ(get(0x1D), 0xA2);
    EXPECT_EQ(get(0x29) & 0x03, GetParam() == "OV7620" ? 0 : 3);
    EXPECT_EQ(get(0x29) & 0xFC, 0xFC) << "the other COMI bits are writable";
}

TEST_P(RegisterTest, SoftResetRestoresPowerOnValues) {
    stopLoops();
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

TEST_P(RegisterTest, RunningLoopsOwnTheirRegisters) {
    struct Owner {
        const char* loop;
        std::uint8_t enableRegister, enableBit, owned;
    };
    const Owner owners[] = {
        {"white balance", 0x12, 0x04, 0x01},
        {"white balance", 0x12, 0x04, 0x02},
        {"gain", 0x12, 0x20, 0x00},
        {"exposure", 0x28, 0x10, 0x10},
    };
    for (const Owner& o : owners) {
        const bool enableIsSet = o.enableRegister == 0x12; // COMH bit 4 freezes instead
        command(0x13, 0x01, 0x01);
        command(o.enableRegister, o.enableBit, enableIsSet ? o.enableBit : 0);
        const std::uint8_t held = get(o.owned);
        set(o.owned, static_cast<std::uint8_t>(held ^ 0x05));
        EXPECT_EQ(get(o.owned), held) << o.loop << " ignores the host";
        command(0x13, 0x01, 0x00);
        EXPECT_EQ(get(o.owned), held) << o.loop << " keeps its last value when stopped";
        set(o.owned, static_cast<std::uint8_t>(held ^ 0x05));
        EXPECT_EQ(get(o.owned), held ^ 0x05) << o.loop << " stopped, the host writes";
    }
}

TEST_P(RegisterTest, ModeFunctionsMatchTheirBits) {
    std::int32_t mode = -1;
    ASSERT_NE(VX3_WB_SetMode(1), 0);
    EXPECT_EQ(get(0x12) & 0x04, 0x04);
    ASSERT_NE(VX3_WB_GetMode(&mode), 0);
    EXPECT_NE(mode, 0);
    command(0x12, 0x04, 0x00);
    ASSERT_NE(VX3_WB_GetMode(&mode), 0);
    EXPECT_EQ(mode, 0);
    ASSERT_NE(VX3_GC_SetAgc(0), 0);
    EXPECT_EQ(get(0x12) & 0x20, 0);
    ASSERT_NE(VX3_GC_GetAgc(&mode), 0);
    EXPECT_EQ(mode, 0);
    command(0x29, 0x80, 0x80);
    std::uint16_t exposure = 0;
    ASSERT_NE(VX3_EXP_GetMode(&exposure), 0);
    EXPECT_EQ(exposure, 1) << "COMI bit 7 switches exposure to manual";
    ASSERT_NE(VX3_EXP_SetMode(0), 0);
    EXPECT_EQ(get(0x28) & 0x10, 0);
    EXPECT_EQ(get(0x29) & 0x80, 0);
    ASSERT_NE(VX3_EXP_SetMode(1), 0);
    EXPECT_EQ(get(0x28) & 0x10, 0x10);
    ASSERT_NE(VX3_BB_GetMode(&mode), 0);
    EXPECT_NE(mode, 0) << "black balance is always automatic";
}

TEST_P(RegisterTest, WhiteBalanceGoesThroughRegistersOneAndTwo) {
    command(0x12, 0x04, 0x00);
    setBalance(0x8C, 0x30);
    EXPECT_EQ(get(0x01), 0x8C);
    EXPECT_EQ(get(0x02), 0x30);
    set(0x01, 0x22);
    EXPECT_EQ(balance().blue, 0x22);
}

TEST_P(RegisterTest, EveryFrameRateRoundTripsThroughTheTimingRegisters) {
    for (std::uint16_t wanted = 1; wanted <= 30; ++wanted) {
        std::uint16_t rate = 0;
        ASSERT_NE(VX3_LV_SetFrameRate(wanted), 0);
        ASSERT_NE(VX3_LV_GetFrameRate(&rate), 0);
        EXPECT_EQ(rate, wanted);
    }
    set(0x11, 0x01); // prescaler 2 and no frame adjust: 15 per second
    set(0x2A, 0x00);
    std::uint16_t rate = 0;
    ASSERT_NE(VX3_LV_GetFrameRate(&rate), 0);
    EXPECT_EQ(rate, 15);
}

TEST_P(RegisterTest, RegisterTrafficIsLogged) {
    stopLoops();
    vx3sim::clearLog();
    set(0x06, 0x90);
    get(0x06);
    const auto log = vx3sim::log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].kind, vx3sim::LogEntry::Kind::RegisterWrite);
    EXPECT_EQ(log[0].address, 0x06);
    EXPECT_EQ(log[0].value, 0x90);
    EXPECT_EQ(log[1].function, "VX3_EST_SetAdrsData");
    EXPECT_EQ(log[2].kind, vx3sim::LogEntry::Kind::RegisterRead);
    EXPECT_EQ(log[2].value, 0x90);
    EXPECT_EQ(log[3].result, 1);
    EXPECT_EQ(vx3sim::peekRegister(0x06), 0x90);
    EXPECT_EQ(vx3sim::log().size(), 4u) << "peeking is not logged";
}

INSTANTIATE_TEST_SUITE_P(Sensors, RegisterTest, ::testing::Values("OV7610", "OV7620"));

} // namespace
} // namespace vx3test
