// Live view pacing in virtual time: frame rates, dropped frames, time-outs of a silent camera.
#include "CameraFixture.h"

namespace vx3test {
namespace {

class TimingTest : public CameraTest {
protected:
    std::vector<std::uint8_t> frame = std::vector<std::uint8_t>(VX3_FRAME_BYTES);
};

TEST_F(TimingTest, ContinueWaitsForTheNextFrameAtEveryRate) {
    for (const int rate : {30, 15, 7, 1}) {
        ASSERT_NE(VX3_LV_SetFrameRate(static_cast<std::uint16_t>(rate)), 0);
        const std::int64_t start = clock.nowMicroseconds();
        const std::uint64_t delivered = vx3sim::framesDelivered();
        ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
        EXPECT_EQ(clock.nowMicroseconds(), start) << "the first frame comes at once";
        const int frames = 2 * rate;
        for (int i = 0; i < frames; ++i) {
            ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
        }
        const double elapsed = static_cast<double>(clock.nowMicroseconds() - start) / 1e6;
        EXPECT_NEAR(elapsed, 2.0, 1.0 / rate) << rate << " frames per second";
        EXPECT_EQ(vx3sim::framesDelivered() - delivered, static_cast<std::uint64_t>(frames + 1));
        ASSERT_NE(VX3_LV_StopMovie(), 0);
    }
    EXPECT_EQ(vx3sim::framesDropped(), 0u);
}

TEST_F(TimingTest, SixtySecondsAtThirtyFramesDropNothing) {
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    const std::int64_t start = clock.nowMicroseconds();
    int frames = 0;
    while (clock.nowMicroseconds() - start < 60'000'000) {
        ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
        ++frames;
    }
    EXPECT_EQ(frames, 1800);
    EXPECT_EQ(vx3sim::framesDropped(), 0u);
}

TEST_F(TimingTest, ASlowCallerGetsTheNewestFrameWithoutWaiting) {
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    for (int i = 0; i < 10; ++i) {
        clock.advanceSeconds(0.1);
        const std::int64_t slept = clock.slept();
        ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
        EXPECT_EQ(clock.slept(), slept);
    }
    EXPECT_EQ(vx3sim::framesDropped(), 20u); // 3 frames tick per 100 ms, 1 is delivered
}

TEST_F(TimingTest, ASilentCameraFailsAfterTheTimeout) {
    struct Silence {
        const char* cause;
        void (*begin)();
        void (*end)();
    };
    const Silence silences[] = {
        {"unplugged", [] { vx3sim::setPlugged(false); }, [] { vx3sim::setPlugged(true); }},
        {"fault", [] { vx3sim::failFunction("VX3_LV_ContinueMovie"); },
         [] { vx3sim::clearFaults(); }},
    };
    ASSERT_NE(VX3_SetTimeout(1234), 0);
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    for (const Silence& silence : silences) {
        silence.begin();
        const std::int64_t start = clock.nowMicroseconds();
        EXPECT_EQ(VX3_LV_ContinueMovie(frame.data()), 0) << silence.cause;
        EXPECT_EQ(clock.nowMicroseconds() - start, 1'234'000) << silence.cause;
        silence.end();
        EXPECT_NE(VX3_LV_ContinueMovie(frame.data()), 0) << silence.cause << " over";
    }
}

TEST_F(TimingTest, StoppedLiveViewDeliversNothing) {
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    EXPECT_NE(VX3_LV_IsMovieRunning(), 0);
    ASSERT_NE(VX3_LV_StopMovie(), 0);
    EXPECT_EQ(VX3_LV_IsMovieRunning(), 0);
    const std::int64_t start = clock.nowMicroseconds();
    EXPECT_EQ(VX3_LV_ContinueMovie(frame.data()), 0);
    EXPECT_EQ(clock.nowMicroseconds(), start);
    EXPECT_NE(VX3_LV_StopMovie(), 0) << "stopping twice is harmless";
}

TEST_F(TimingTest, ChangingTheRateDuringLiveViewChangesThePace) {
    ASSERT_NE(VX3_LV_StartMovie(frame.data()), 0);
    ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
    ASSERT_NE(VX3_LV_SetFrameRate(10), 0);
    ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
    const std::int64_t start = clock.nowMicroseconds();
    for (int i = 0; i < 10; ++i) {
        ASSERT_NE(VX3_LV_ContinueMovie(frame.data()), 0);
    }
    EXPECT_EQ(clock.nowMicroseconds() - start, 1'000'000);
}

} // namespace
} // namespace vx3test
