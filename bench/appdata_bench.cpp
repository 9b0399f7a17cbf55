// Application-data window figures: opening it (its four pages built from the store, shown and
// painted; goal within 30 ms), showing every page, and its File > Save of the whole store on a
// memory file system.
#include "appdata/ApplicationDataDialog.h"
#include "framework/DialogService.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/ScriptedDialogService.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using halvex::ApplicationDataDialog;

// Scripted dialogs and the factory default.ini loaded from, and in use in, a folder on tmpfs.
struct Session {
    Session() : folder(QStringLiteral("/dev/shm/halvex-bench-XXXXXX")) {
        path = folder.filePath(QStringLiteral("default.ini"));
        ok = folder.isValid() &&
             QFile::copy(QStringLiteral(HALVEX_SOURCE_DIR "/data/default.ini"), path);
        halvex::setDialogService(&dialogs);
        halvex::ApplicationDirectory = folder.path();
        halvex::CurrentIniPath = path;
        halvex::SettingsFile().Load(path);
    }
    ~Session() { halvex::setDialogService(nullptr); }

    std::unique_ptr<ApplicationDataDialog> open() {
        auto window = std::make_unique<ApplicationDataDialog>();
        window->initialize();
        window->show();
        QApplication::processEvents();
        return window;
    }

    QTemporaryDir folder;
    QString path;
    bool ok = false;
    halvex::ScriptedDialogService dialogs;
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
    if (!session.ok) {
        state.SkipWithError("no tmpfs folder or no data/default.ini");
        return;
    }
    auto window = session.open();
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

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
