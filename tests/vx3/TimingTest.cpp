// Live view pacing in virtual time: frame rates, dropped frames, time-outs of a silent camera.
#include "CameraFixture.h"

#include <utility>

namespace vx3test {
namespace {

class TimingTest : public CameraTest {
protected:
    bool next() { return VX3_LV_ContinueMovie(frame.data()) != 0; }
    std::int64_t since(std::int64_t start) const { return clock.now - start; }
    std::vector<std::uint8_t> frame = std::vector<std::uint8_t>(VX3_FRAME_BYTES);
};

// A minute of frames at each rate takes a minute of the camera's time, however the frame
// period rounds, and drops nothing.
TEST_F(TimingTest, ContinueWaitsForTheNextFrameAtEveryRate) {
    for (const int rate : {30, 7, 1}) {
        ASSERT_NE(VX3_LV_SetFrameRate(static_cast<std::uint16_t>(rate)), 0);
        const std::int64_t start = clock.now;
        const std::uint64_t delivered = vx3sim::framesDelivered();
        ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
        EXPECT_EQ(since(start), 0) << "the first frame comes at once";
        for (int i = 0; i < 60 * rate; ++i) {
            ASSERT_TRUE(next());
        }
        EXPECT_NEAR(static_cast<double>(since(start)) / 1e6, 60.0, 1.0 / rate) << rate;
        EXPECT_EQ(vx3sim::framesDelivered() - delivered, 60u * rate + 1);
        ASSERT_NE(VX3_LV_StopMovie(), 0);
    }
    EXPECT_EQ(vx3sim::framesDropped(), 0u);

    // Changed during live view, the rate changes the pace from the next frame on.
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    ASSERT_NE(VX3_LV_SetFrameRate(10), 0);
    ASSERT_TRUE(next());
    const std::int64_t start = clock.now;
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(next());
    }
    EXPECT_EQ(since(start), 1'000'000);
}

// Once stopped, live view delivers nothing, at once.
TEST_F(TimingTest, ASlowCallerGetsTheNewestFrameWithoutWaiting) {
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    for (int i = 0; i < 10; ++i) {
        clock.advanceSeconds(0.1);
        const std::int64_t start = clock.now;
        ASSERT_TRUE(next());
        EXPECT_EQ(since(start), 0);
    }
    EXPECT_EQ(vx3sim::framesDropped(), 20u); // 3 frames tick per 100 ms, 1 is delivered
    ASSERT_NE(VX3_LV_StopMovie(), 0);
    EXPECT_EQ(VX3_LV_IsMovieRunning(), 0);
    const std::int64_t start = clock.now;
    EXPECT_FALSE(next());
    EXPECT_EQ(since(start), 0);
    EXPECT_NE(VX3_LV_StopMovie(), 0) << "stopping twice is harmless";
}

// The time-out bounds every wait for a frame: a frame due later than the time-out is not waited
// for but still comes when due, and a silent camera fails after it. Rates 1 and 5 give frame
// periods of exactly 1 s and 200 ms. Each call: whether it delivered, and when it returned.
TEST_F(TimingTest, AFrameDueLaterThanTheTimeoutIsNotWaitedFor) {
    const struct {
        std::uint16_t rate;
        std::uint32_t timeoutMs;
        bool silent;
        std::vector<std::pair<bool, std::int64_t>> calls;
    } cases[] = {
        {1, 999, false, {{false, 999'000}}},
        {1, 1000, false, {{true, 1'000'000}}},
        {1, 300, false, {{false, 300'000}, {false, 600'000}, {false, 900'000}, {true, 1'000'000}}},
        {5, 200, false, {{true, 200'000}}},
        {5, 5000, false, {{true, 200'000}}},
        {5, 1234, true, {{false, 1'234'000}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        ASSERT_NE(VX3_LV_SetFrameRate(c.rate), 0);
        ASSERT_NE(VX3_SetTimeout(5000), 0);
        ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
        ASSERT_TRUE(next()); // now just after a frame
        ASSERT_NE(VX3_SetTimeout(c.timeoutMs), 0);
        if (c.silent) {
            vx3sim::failFunction("VX3_LV_ContinueMovie");
        }
        const std::uint64_t delivered = vx3sim::framesDelivered();
        const std::int64_t start = clock.now;
        for (const auto& [frameCame, returnedAt] : c.calls) {
            EXPECT_EQ(next(), frameCame);
            EXPECT_EQ(since(start), returnedAt);
        }
        EXPECT_EQ(vx3sim::framesDelivered() - delivered, c.calls.back().first ? 1u : 0u);
        vx3sim::clearFaults();
        EXPECT_NE(VX3_LV_IsMovieRunning(), 0) << "a late frame does not stop live view";
        ASSERT_NE(VX3_LV_StopMovie(), 0);
    }
}

} // namespace
} // namespace vx3test
