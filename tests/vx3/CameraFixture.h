// Shared set-up of the camera tests: virtual time, an opened camera and picture measurements.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "VX3Sim.h"
#include "VX3lib.h"

namespace vx3test {

class VirtualClock final : public vx3sim::Clock {
public:
    std::int64_t nowMicroseconds() override { return now; }
    void sleepMicroseconds(std::int64_t duration) override { now += duration; }
    void advanceSeconds(double seconds) { now += static_cast<std::int64_t>(seconds * 1e6); }
    std::int64_t now = 1'000'000'000;
};

struct Rgb {
    double red, green, blue;
};

// Average red, green and blue of the block the tool measures (x 162..478, y 122..358 from the
// top) of a frame of bottom-up blue-green-red rows.
inline Rgb measureBlock(const std::vector<std::uint8_t>& frame) {
    double sums[3] = {0, 0, 0};
    for (int y = 122; y <= 358; ++y) {
        for (int x = 162; x <= 478; ++x) {
            for (int k = 0; k < 3; ++k) {
                sums[k] += frame[static_cast<std::size_t>((479 - y) * 1920 + x * 3 + 2 - k)];
            }
        }
    }
    const double count = 237.0 * 317.0;
    return {sums[0] / count, sums[1] / count, sums[2] / count};
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        vx3sim::setClock(&clock);
        vx3sim::setDeviceLockPath("");
        plugIn();
    }
    void TearDown() override {
        vx3sim::reset();
        vx3sim::setClock(nullptr);
    }

    // A fresh camera of this sensor and unit, opened, in the tool's state before live view
    // (manual white balance at the nominal neutral gains), settled.
    void plugIn(const char* sensor = "OV7610", std::uint32_t seed = 0) {
        vx3sim::reset();
        vx3sim::setCameraVersion(sensor);
        vx3sim::setUnit(seed);
        ASSERT_NE(VX3_InitCamera(nullptr), 0);
        command(0x13, 0x01, 0x01);
        command(0x12, 0x04, 0x00);
        setBalance(0x8C, 0x30);
        command(0x14, 0x04, 0x04);
        command(0x28, 0x10, 0x00);
        clock.advanceSeconds(5.0);
    }

    static std::uint8_t get(std::uint8_t address) {
        std::uint8_t value = 0;
        EXPECT_NE(VX3_EST_GetAdrsData(address, 1, &value), 0);
        return value;
    }
    static void set(std::uint8_t address, std::uint8_t value) {
        EXPECT_NE(VX3_EST_SetAdrsData(address, 1, &value), 0);
    }
    // A register command as the tool sends it: register, mask, data.
    static void command(std::uint8_t address, std::uint8_t mask, std::uint8_t data) {
        set(address, static_cast<std::uint8_t>((get(address) & ~mask) | (data & mask)));
    }
    static void setBalance(std::uint16_t blue, std::uint16_t red) {
        const WhiteBalanceValue value{blue, red};
        EXPECT_NE(VX3_WB_SetWbVal(&value), 0);
    }
    static WhiteBalanceValue balance() {
        WhiteBalanceValue value{};
        EXPECT_NE(VX3_WB_GetWbVal(&value), 0);
        return value;
    }
    static std::vector<std::uint8_t> capture() {
        std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
        EXPECT_NE(VX3_SIA_CaptureBmp(frame.data()), 0);
        return frame;
    }
    static Rgb measure() { return measureBlock(capture()); }

    VirtualClock clock;
};

} // namespace vx3test
