// Camera settings sheet figures: rebuilding the sheet after a load, one slider release on page 1
// (store, register write and read-back, refresh) and one typed character (update and change).
#include "BenchSupport.h"
#include "camerasettings/CCameraSetting1.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"

#include <QLineEdit>
#include <QSlider>
#include <QTest>

namespace {

using halvex::bench::Session;

halvex::CCameraSetting1& page1(const Session& session) {
    return *session.window->m_pPage1;
}

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
    auto* slider = page1(session).controls().as<QSlider>(halvex::Page1Id::SaturationSlider);
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
    auto* box = page1(session).controls().as<QLineEdit>(halvex::Page1Id::SaturationEdit);
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
