// Calibration figures: MeasureZone against a plain copy of one frame, one manual adjustment pass,
// and the camera start-up sequence in virtual time.
#include "AppTestEnvironment.h"
#include "app/CameraDataDialog.h"
#include "calibration/ColourMeasurement.h"
#include "framework/DialogService.h"
#include "framework/ScriptedDialogService.h"
#include "framework/TimeSource.h"
#include "framework/VirtualTimeSource.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <vector>

namespace {

using halvex::CameraDataDialog;

// The tool's world for one benchmark: scripted dialogs, virtual time shared with the camera,
// a working folder with the factory default.ini, and the main window after its start-up.
struct Session {
    Session() : clock(time) {
        QDir::setCurrent(folder.path());
        QFile::copy(QStringLiteral(HALVEX_SOURCE_DIR "/data/default.ini"),
                    folder.filePath(QStringLiteral("default.ini")));
        halvex::setDialogService(&dialogs);
        halvex::setTimeSource(&time);
        vx3sim::setClock(&clock);
        vx3sim::setDeviceLockPath("");
        vx3sim::reset();
        dialogs.fileAnswers.push_back(folder.filePath(QStringLiteral("default.ini")));
        window = std::make_unique<CameraDataDialog>();
        window->initialize();
        window->show();
        window->ShowMaintenanceLayout();
        QApplication::processEvents();
    }
    ~Session() {
        window->requestClose();
        window.reset();
        VX3_UnmountCamera();
        vx3sim::setClock(nullptr);
        halvex::setTimeSource(nullptr);
        halvex::setDialogService(nullptr);
    }

    QTemporaryDir folder;
    halvex::ScriptedDialogService dialogs;
    halvex::VirtualTimeSource time;
    halvex::test::CameraClock clock;
    std::unique_ptr<CameraDataDialog> window;
};

void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<std::uint8_t> from(CameraDataDialog::FrameBufferBytes, 0x5a);
    std::vector<std::uint8_t> to(CameraDataDialog::FrameBufferBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
