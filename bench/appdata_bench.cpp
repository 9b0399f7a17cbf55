// Application-data window figures: opening it (its four pages built from the store, shown and
// painted; goal within 30 ms), showing every page, and its File > Save of the whole store.
#include "BenchSupport.h"
#include "appdata/ApplicationDataDialog.h"
#include "framework/PropertySheet.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using halvex::ApplicationDataDialog;

// The tests' world without the main window: the factory default.ini of the working folder is
// loaded and in use.
struct Session : halvex::bench::Session {
    Session() : halvex::bench::Session(false) {
        path = workPath(QStringLiteral("default.ini"));
        halvex::ApplicationDirectory = workDir();
        halvex::CurrentIniPath = path;
        halvex::SettingsFile().Load(path);
    }

    std::unique_ptr<ApplicationDataDialog> open() {
        auto opened = std::make_unique<ApplicationDataDialog>();
        opened->initialize();
        opened->show();
        QApplication::processEvents();
        return opened;
    }

    QString path;
};

void BM_OpenWindow(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        auto window = session.open();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// Every tab brought to the front once, as the technician walking through all four pages.
void BM_OpenWindowAndShowEveryPage(benchmark::State& state) {
    Session session;
    for (auto _ : state) {
        auto window = session.open();
        for (int page = 1; page < window->pageCount(); ++page) {
            window->sheet()->setActivePage(page);
            QApplication::processEvents();
        }
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// File > Save onto the file in use: backup, the 101 writes, the two messages (scripted).
void BM_SaveOntoFileInUse(benchmark::State& state) {
    Session session;
    const auto window = session.open();
    for (auto _ : state) {
        session.dialogs.fileAnswers.push_back(session.path);
        window->SaveSettings();
        session.dialogs.messages.clear();
        session.dialogs.messageOwners.clear();
        session.dialogs.fileDialogs.clear();
    }
}

} // namespace

BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWindowAndShowEveryPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveOntoFileInUse)->Unit(benchmark::kMicrosecond);
