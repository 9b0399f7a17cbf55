// Speed of the simulated camera: one rendered frame, one JPEG capture, a minute of live view.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "VX3Sim.h"
#include "VX3lib.h"

namespace {

void command(std::uint8_t address, std::uint8_t mask, std::uint8_t data) {
    std::uint8_t value = 0;
    VX3_EST_GetAdrsData(address, 1, &value);
    value = static_cast<std::uint8_t>((value & ~mask) | (data & mask));
    VX3_EST_SetAdrsData(address, 1, &value);
}

// An opened camera in the state the tool leaves it in before live view.
void openCamera() {
    vx3sim::setDeviceLockPath("");
    vx3sim::reset();
    VX3_InitCamera(nullptr);
    command(0x13, 0x01, 0x01);
    command(0x12, 0x04, 0x00);
    const WhiteBalanceValue neutral{0x8C, 0x30};
    VX3_WB_SetWbVal(&neutral);
    command(0x14, 0x04, 0x04);
    command(0x28, 0x10, 0x00);
}

// Virtual time that also counts the real time the camera spends working, so that a camera too
// slow for its frame rate would drop frames.
class WorkingClock final : public vx3sim::Clock {
public:
    std::int64_t nowMicroseconds() override {
        const auto real = std::chrono::steady_clock::now() - m_start;
        return m_slept + std::chrono::duration_cast<std::chrono::microseconds>(real).count();
    }
    void sleepMicroseconds(std::int64_t duration) override { m_slept += duration; }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::int64_t m_slept = 0;
};

// Argument 0: default picture settings; 1: saturation, contrast and brightness changed; 2: an
// OV7620 of another unit, whose noise and channel tables differ.
void RenderFrame(benchmark::State& state) {
    openCamera();
    if (state.range(0) == 2) {
        vx3sim::setCameraVersion("OV7620");
        vx3sim::setUnit(17);
        const WhiteBalanceValue neutral{0x96, 0x2E};
        command(0x12, 0x04, 0x00);
        VX3_WB_SetWbVal(&neutral);
    } else if (state.range(0) == 1) {
        command(0x03, 0xFF, 0xA0);
        command(0x05, 0xFF, 0x90);
        command(0x06, 0xFF, 0x70);
    }
    std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
    for (auto _ : state) {
        VX3_SIA_CaptureBmp(frame.data());
        benchmark::DoNotOptimize(frame.data());
    }
    vx3sim::reset();
}
BENCHMARK(RenderFrame)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void CaptureJpeg(benchmark::State& state) {
    openCamera();
    std::vector<std::uint8_t> buffer(VX3_FRAME_BYTES);
    std::uint32_t size = 0;
    for (auto _ : state) {
        VX3_SIA_CaptureJpg(buffer.data(), &size);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["bytes"] = size;
    vx3sim::reset();
}
BENCHMARK(CaptureJpeg)->Unit(benchmark::kMillisecond);

void LiveViewSixtySeconds(benchmark::State& state) {
    constexpr std::int64_t Minute = 60'000'000;
    std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
    for (auto _ : state) {
        WorkingClock clock;
        vx3sim::setClock(&clock);
        openCamera();
        VX3_LV_SetFrameRate(30);
        VX3_LV_StartMovie(frame.data());
        const std::int64_t start = clock.nowMicroseconds();
        while (clock.nowMicroseconds() - start < Minute) {
            VX3_LV_ContinueMovie(frame.data());
        }
        state.counters["delivered"] = static_cast<double>(vx3sim::framesDelivered());
        state.counters["dropped"] = static_cast<double>(vx3sim::framesDropped());
        vx3sim::reset();
        vx3sim::setClock(nullptr);
    }
}
BENCHMARK(LiveViewSixtySeconds)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
