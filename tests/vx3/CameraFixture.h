// Shared set-up of the camera tests: virtual time, an opened camera and picture measurements.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
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
    // The automatic adjustment as the tool runs it from the panel's defaults: blue 110 and red 25
    // written in manual mode, the camera's balance switched on, readings every 2 s until three in
    // a row are equal. The settled values, or nothing when 100 s pass without.
    std::optional<WhiteBalanceValue> autoAdjust(bool ov7610) {
        command(0x12, 0x04, 0x00);
        setBalance(110, 25);
        ov7610 ? command(0x12, 0x04, 0x04) : command(0x12, 0xDF, 0x04);
        clock.advanceSeconds(2.0);
        WhiteBalanceValue previous{0, 0};
        for (int equal = 0, readings = 0; readings < 50; ++readings) {
            const WhiteBalanceValue now = balance();
            equal = now.blue == previous.blue && now.red == previous.red ? equal + 1 : 0;
            previous = now;
            clock.advanceSeconds(2.0);
            if (equal == 2) {
                command(0x12, 0x04, 0x00);
                return previous;
            }
        }
        return std::nullopt;
    }

    // The manual adjustment as the tool runs it from the panel's defaults, on live view: blue 110
    // and red 25, then once a second each gain stepped by 0.4 x its channel's distance from green
    // (at least 2) until red and blue lie within 2 of green. The passes it took, or nothing after
    // 100 passes.
    std::optional<int> manualAdjust() {
        std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
        EXPECT_NE(VX3_LV_StartMovie(frame.data()), 0);
        command(0x12, 0x04, 0x00);
        setBalance(110, 25);
        clock.advanceSeconds(3.0);
        const auto step = [](int a, int b) {
            return std::max(2, static_cast<int>(2 * std::abs(a - b) * 0.2));
        };
        for (int pass = 1; pass <= 100; ++pass) {
            EXPECT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
            const Rgb m = measureBlock(frame);
            const int r = static_cast<int>(m.red), g = static_cast<int>(m.green),
                      b = static_cast<int>(m.blue);
            WhiteBalanceValue wb = balance();
            const int red = step(g, r), blue = step(g, b);
            wb.red = static_cast<std::uint16_t>(
                r < g ? wb.red + red : (r > g && wb.red > red ? wb.red - red : wb.red));
            wb.blue = static_cast<std::uint16_t>(
                b < g ? wb.blue + blue : (b > g && wb.blue > blue ? wb.blue - blue : wb.blue));
            setBalance(wb.blue, wb.red);
            clock.advanceSeconds(1.0);
            if (std::abs(r - g) <= 2 && std::abs(b - g) <= 2) {
                return pass;
            }
        }
        return std::nullopt;
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
