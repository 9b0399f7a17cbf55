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

// The camera library's start in a program: its first use in the process (the camera made at its
// power-on, then VX3_InitCamera) as a counter, then each later initialisation from power-on.
void InitCamera(benchmark::State& state) {
    static const double firstMs = [] {
        const auto start = std::chrono::steady_clock::now();
        vx3sim::setDeviceLockPath("");
        VX3_InitCamera(nullptr);
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        return elapsed.count();
    }();
    state.counters["first_init_ms"] = firstMs;
    for (auto _ : state) {
        vx3sim::reset();
        VX3_InitCamera(nullptr);
    }
    vx3sim::reset();
}
// Registered first, so that its first call is the process's first use of the library.
BENCHMARK(InitCamera)->Unit(benchmark::kMicrosecond);

struct RegisterWrite {
    std::uint8_t address;
    std::uint8_t data;
};

// Picture states of the sensor: each changes what one part of the rendering does.
struct PictureState {
    const char* name;
    const char* sensor;
    std::uint32_t unit;
    std::vector<RegisterWrite> writes;
};

const std::vector<PictureState>& pictureStates() {
    static const std::vector<PictureState> states{
        {"factory", "OV7610", 0, {}},
        {"saturation, contrast, brightness",
         "OV7610",
         0,
         {{0x03, 0xA0}, {0x05, 0x90}, {0x06, 0x70}}},
        {"OV7620 of unit 17", "OV7620", 17, {{0x01, 0x96}, {0x02, 0x2E}}},
        {"gamma level and value", "OV7610", 0, {{0x71, 0x05}, {0x72, 0xA0}}},
        {"gamma off", "OV7610", 0, {{0x14, 0x00}}},
        {"colour bias", "OV7610", 0, {{0x0C, 0x9C}, {0x0D, 0x1C}}},
        {"short exposure, full gain: strong noise", "OV7610", 0, {{0x00, 0x3F}, {0x10, 0x10}}},
        {"OV7620 saturation, contrast, gamma, bias",
         "OV7620",
         5,
         {{0x03, 0x60}, {0x64, 0x91}, {0x62, 0x70}, {0x0C, 0x88}, {0x0D, 0x08}}},
    };
    return states;
}

// Every picture state renders its frame; vignetting and noise are in every frame.
void RenderFrame(benchmark::State& state) {
    const PictureState& picture = pictureStates()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(picture.name);
    openCamera();
    vx3sim::setCameraVersion(picture.sensor);
    vx3sim::setUnit(picture.unit);
    command(0x12, 0x04, 0x00);
    for (const RegisterWrite& write : picture.writes) {
        command(write.address, 0xFF, write.data);
    }
    std::vector<std::uint8_t> frame(VX3_FRAME_BYTES);
    for (auto _ : state) {
        VX3_SIA_CaptureBmp(frame.data());
        benchmark::DoNotOptimize(frame.data());
    }
    vx3sim::reset();
}
BENCHMARK(RenderFrame)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

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
