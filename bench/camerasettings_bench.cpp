// Camera settings sheet figures: rebuilding the sheet after a load, one slider release on page 1
// (store, register write and read-back, refresh) and one typed character (update and change).
#include "AppTestEnvironment.h"
#include "app/CameraDataDialog.h"
#include "camerasettings/CCameraSetting1.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

using halvex::CameraDataDialog;

// The tests' world (scripted dialogs, virtual time shared with the camera, a working folder with
// the factory default.ini) around one started main window.
class Session final : public halvex::test::AppTest {
public:
    Session() {
        SetUp();
        window = startMainWindow();
        QApplication::processEvents();
    }
    ~Session() override {
        window.reset();
        TearDown();
    }
    void TestBody() override {}

    halvex::CCameraSetting1& page1() const { return *window->m_pPage1; }

    std::unique_ptr<CameraDataDialog> window;
};

void BM_RebuildSheet(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        session.window->DestroySettingsSheet();
        session.window->CreateSettingsSheet();
    }
}
BENCHMARK(BM_RebuildSheet)->Unit(benchmark::kMillisecond);

void BM_SliderRelease(benchmark::State& state) {
    Session session;
    auto* slider = session.page1().controls().as<QSlider>(halvex::Page1Id::SaturationSlider);
    int position = 100;
    for (auto _ : state) {
        position = position == 100 ? 101 : 100;
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }
}
BENCHMARK(BM_SliderRelease)->Unit(benchmark::kMicrosecond);

void BM_TypedCharacter(benchmark::State& state) {
    Session session;
    auto* box = session.page1().controls().as<QLineEdit>(halvex::Page1Id::SaturationEdit);
    char digit = '1';
    for (auto _ : state) {
        state.PauseTiming();
        box->selectAll();
        digit = digit == '1' ? '2' : '1';
        state.ResumeTiming();
        QTest::keyClick(box, digit);
    }
}
BENCHMARK(BM_TypedCharacter)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
