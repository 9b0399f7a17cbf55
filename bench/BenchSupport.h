// What the main-window benchmarks share: the tests' world around a started main window, and the
// plain copy of one frame that the painting and measuring figures are read against.
#pragma once

#include "AppTestEnvironment.h"
#include "app/CameraDataDialog.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <vector>

namespace halvex::bench {

// Scripted dialogs, virtual time shared with the camera and a working folder with the factory
// default.ini, as every test has them; the main window after its start-up, when asked for.
class Session : public test::AppTest {
public:
    explicit Session(bool withWindow = true) {
        SetUp();
        if (withWindow) {
            window = start();
        }
    }
    ~Session() override {
        if (window) {
            window->requestClose();
            window.reset();
        }
        TearDown();
    }

    // Another main window through the whole start-up, shown.
    std::unique_ptr<CameraDataDialog> start() {
        auto started = startMainWindow();
        QApplication::processEvents();
        return started;
    }

    using AppTest::dialogs;
    using AppTest::time;
    using AppTest::workDir;
    using AppTest::workPath;
    std::unique_ptr<CameraDataDialog> window;

private:
    void TestBody() override {}
};

// One frame buffer copied with memcpy: the floor for anything that touches a whole frame.
inline void BM_MemcpyFrame(benchmark::State& state) {
    std::vector<std::uint8_t> from(CameraDataDialog::FrameBufferBytes, 0x5a);
    std::vector<std::uint8_t> to(CameraDataDialog::FrameBufferBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

} // namespace halvex::bench
