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
    std::int64_t nowMicroseconds() override { return m_now; }
    void sleepMicroseconds(std::int64_t duration) override {
        m_now += duration;
        m_slept += duration;
    }
    void advanceSeconds(double seconds) { m_now += static_cast<std::int64_t>(seconds * 1e6); }
    std::int64_t slept() const { return m_slept; }

private:
    std::int64_t m_now = 1'000'000'000;
    std::int64_t m_slept = 0;
};

// Average red, green and blue of the block the tool measures (x 162..478, y 122..358 from the
// top), each sum divided by the pixel count.
struct Rgb {
    double red;
    double green;
    double blue;
};

inline Rgb measureBlock(const std::vector<std::uint8_t>& frame) {
    double sums[3] = {0, 0, 0};
    int count = 0;
    for (int y = 122; y <= 358; ++y) {
        const std::uint8_t* row = frame.data() + static_cast<std::size_t>(479 - y) * 640 * 3;
        for (int x = 162; x <= 478; ++x, ++count) {
            for (int k = 0; k < 3; ++k) {
                sums[k] += row[x * 3 + 2 - k];
            }
        }
    }
    return {sums[0] / count, sums[1] / count, sums[2] / count};
}

class CameraTest : public ::testing::Test {
protected:
    void SetUp() override {
        vx3sim::setClock(&clock);
        vx3sim::setDeviceLockPath("");
        vx3sim::reset();
        char buffer[VX3_INIT_BUFFER_SIZE] = {};
        ASSERT_NE(VX3_InitCamera(buffer), 0);
    }
    void TearDown() override {
        vx3sim::reset();
        vx3sim::setClock(nullptr);
    }

    // A register command as the tool sends it: register, mask, data.
    static void command(std::uint8_t address, std::uint8_t mask, std::uint8_t data) {
        std::uint8_t value = 0;
        ASSERT_NE(VX3_EST_GetAdrsData(address, 1, &value), 0);
        value = static_cast<std::uint8_t>((value & ~mask) | (data & mask));
        ASSERT_NE(VX3_EST_SetAdrsData(address, 1, &value), 0);
    }
    static void setBalance(std::uint16_t blue, std::uint16_t red) {
        const WhiteBalanceValue value{blue, red};
        ASSERT_NE(VX3_WB_SetWbVal(&value), 0);
    }
    static WhiteBalanceValue balance() {
        WhiteBalanceValue value{};
        EXPECT_NE(VX3_WB_GetWbVal(&value), 0);
        return value;
    }
    // What the tool does before live view: manual white balance at the neutral gains.
    static void prepareLiveView() {
        command(0x13, 0x01, 0x01);
        command(0x12, 0x04, 0x00);
        setBalance(0x8C, 0x30);
        command(0x14, 0x04, 0x04);
        command(0x28, 0x10, 0x00);
    }
    std::vector<std::uint8_t> capture() {
        std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
        EXPECT_NE(VX3_SIA_CaptureBmp(frame.data()), 0);
        return frame;
    }
    Rgb measure() { return measureBlock(capture()); }

    VirtualClock clock;
};

} // namespace vx3test
