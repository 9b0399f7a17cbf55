// Main window figures: start-up to the device information and to the shown window, peak memory,
// DrawFrame against a plain copy of one frame, and a minute of live view at 30 frames per second
// in virtual time.
#include "BenchSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using halvex::CameraDataDialog;
using halvex::bench::BM_MemcpyFrame;
using halvex::bench::Session;

// Milliseconds since this process started, from the kernel's record of its start.
double millisecondsSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) {
        return -1.0;
    }
    // Field 22 (start time in clock ticks since boot) counts from after the command's ")".
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startSeconds =
        fields.value(19).toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startSeconds) * 1000.0;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_StartupToShownWindow(benchmark::State& state) {
    Session session(false);
    // The first window of the process: loading, Qt start-up and the tool's own start-up.
    static const double firstWindowMs = [&session] {
        auto window = session.start();
        const double elapsed = millisecondsSinceProcessStart();
        window->requestClose();
        return elapsed;
    }();
    state.counters["process_start_to_window_ms"] = firstWindowMs;
    // The first phase is what the technician waits for before the first window, the device
    // information; the main window's own controls and the settings file come after it.
    QElapsedTimer clock;
    double toDeviceInformationMs = 0.0;
    session.dialogs.onRunModal = [&](halvex::Dialog&) {
        toDeviceInformationMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        return 1;
    };
    for (auto _ : state) {
        clock.start();
        auto window = session.start();
        state.PauseTiming();
        window->requestClose();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["to_device_information_ms"] =
        benchmark::Counter(toDeviceInformationMs, benchmark::Counter::kAvgIterations);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

void BM_PaintFrameWithAllOverlays(benchmark::State& state) {
    Session session;
    CameraDataDialog* window = session.window.get();
    window->StartLiveView();
    window->ShowMaintenanceLayout();
    window->m_bZone1FieldDisplay = 1;
    for (auto _ : state) {
        window->PaintFrame();
    }
}
BENCHMARK(BM_PaintFrameWithAllOverlays)->Unit(benchmark::kMicrosecond);

// One minute of live view at 30 frames per second: every delivered frame is painted.
void BM_LiveViewMinute(benchmark::State& state) {
    Session session;
    CameraDataDialog* window = session.window.get();
    for (auto _ : state) {
        window->StartLiveView();
        const std::uint64_t deliveredBefore = vx3sim::framesDelivered();
        const std::int64_t start = session.time.nowMicroseconds();
        const double cpuBefore = cpuSeconds();
        std::int64_t ticks = 0;
        while (session.time.nowMicroseconds() - start < 60'000'000) {
            window->fireTimer(CameraDataDialog::LiveViewTimerId);
            ++ticks;
        }
        const double cpu = cpuSeconds() - cpuBefore;
        // The frame StartMovie delivered is painted by the first tick; the last tick's frame waits.
        state.counters["frames_delivered"] =
            static_cast<double>(vx3sim::framesDelivered() - deliveredBefore);
        state.counters["frames_painted"] = static_cast<double>(ticks);
        state.counters["cpu_seconds"] = cpu;
        state.counters["cpu_ms_per_frame"] = cpu * 1000.0 / static_cast<double>(ticks);
        window->StopLiveView();
    }
}
BENCHMARK(BM_LiveViewMinute)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
