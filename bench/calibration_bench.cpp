// Calibration figures: MeasureZone against a plain copy of one frame, one manual adjustment pass,
// and the camera start-up sequence in virtual time.
#include "BenchSupport.h"
#include "calibration/ColourMeasurement.h"

#include <chrono>

namespace {

using halvex::CameraDataDialog;
using halvex::bench::BM_MemcpyFrame;

// A started main window in the Maintenance Screen layout, where the calibration panel lives.
struct Session : halvex::bench::Session {
    Session() { window->ShowMaintenanceLayout(); }
};

BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

void BM_MeasureZone(benchmark::State& state) {
    Session session;
    session.window->StartLiveView();
    session.window->fireTimer(CameraDataDialog::LiveViewTimerId);
    const QImage& shown = session.window->LiveImage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(halvex::MeasureZone(shown));
    }
}
BENCHMARK(BM_MeasureZone)->Unit(benchmark::kMicrosecond);

// A whole manual run that never meets its tolerance: about a hundred passes, each timed with its
// pause (virtual, but answering the window system in slices), divided by the passes made.
void BM_ManualPass(benchmark::State& state) {
    Session session;
    CameraDataDialog& window = *session.window;
    window.StartLiveView();
    window.m_strTolerance = QStringLiteral("-1");
    window.updateData(false);
    for (auto _ : state) {
        vx3sim::clearLog();
        const auto before = std::chrono::steady_clock::now();
        window.GetManualAdjValues();
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - before;
        long passes = -1; // the overlay's first frame is not a pass
        for (const vx3sim::LogEntry& entry : vx3sim::log()) {
            passes += entry.kind == vx3sim::LogEntry::Kind::Call &&
                      entry.function == "VX3_LV_ContinueMovie";
        }
        state.SetIterationTime(spent.count() / 1000.0 / static_cast<double>(passes));
        state.counters["passes"] = static_cast<double>(passes);
    }
}
BENCHMARK(BM_ManualPass)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RunCameraStartup(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        session.window->RunCameraStartup();
    }
}
BENCHMARK(BM_RunCameraStartup)->Unit(benchmark::kMillisecond);

} // namespace
