// Reading all 101 keys of the factory default.ini (Load) and saving the store back onto it (Save).
#include "settings/IniDocument.h"
#include "settings/IniEditor.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// The shipped default.ini, copied into a temporary folder so that saving does not touch it.
class DefaultIniCopy {
public:
    DefaultIniCopy() {
        // Not found from __FILE__: ccache's base directory makes that path relative.
        m_ok = QFile::copy(QStringLiteral(HALVEX_SOURCE_DIR "/data/default.ini"), path());
    }
    QString path() const { return m_dir.filePath(QStringLiteral("default.ini")); }
    bool ok() const { return m_ok; }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

template <typename Step> void run(benchmark::State& state, Step step) {
    const DefaultIniCopy file;
    if (!file.ok()) {
        state.SkipWithError("no data/default.ini in the source tree");
        return;
    }
    const halvex::SettingsFile settings;
    settings.Load(file.path());
    for (auto _ : state) {
        step(settings, file.path());
    }
}

void LoadDefaultIni(benchmark::State& state) {
    run(state,
        [](const halvex::SettingsFile& settings, const QString& path) { settings.Load(path); });
}

void SaveDefaultIni(benchmark::State& state) {
    run(state,
        [](const halvex::SettingsFile& settings, const QString& path) { settings.Save(path); });
}

void LoadAndSaveDefaultIni(benchmark::State& state) {
    run(state, [](const halvex::SettingsFile& settings, const QString& path) {
        settings.Load(path);
        settings.Save(path);
    });
}

QByteArrayView bytesOf(QLatin1StringView text) {
    return {text.data(), text.size()};
}

// The system's own work without the file system: parsing and the 101 reads of Load, the 101
// writes and the one pass that produces the bytes of Save.
void ParseAndReadAllKeys(benchmark::State& state) {
    const DefaultIniCopy file;
    QFile ini(file.path());
    if (!file.ok() || !ini.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no data/default.ini in the source tree");
        return;
    }
    const QByteArray bytes = ini.readAll();
    for (auto _ : state) {
        const halvex::IniDocument document(bytes);
        for (const halvex::SettingsKey& key : halvex::settingsKeys()) {
            benchmark::DoNotOptimize(document.value(bytesOf(key.section), bytesOf(key.key)));
        }
    }
}

void WriteAllKeysAndRender(benchmark::State& state) {
    const DefaultIniCopy file;
    QFile ini(file.path());
    if (!file.ok() || !ini.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no data/default.ini in the source tree");
        return;
    }
    const halvex::IniDocument document(ini.readAll());
    for (auto _ : state) {
        halvex::IniEditor editor(document);
        for (const halvex::SettingsKey& key : halvex::settingsKeys()) {
            editor.write(bytesOf(key.section), bytesOf(key.key), "value");
        }
        benchmark::DoNotOptimize(editor.result());
    }
}

} // namespace

BENCHMARK(ParseAndReadAllKeys)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteAllKeysAndRender)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadDefaultIni)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveDefaultIni)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadAndSaveDefaultIni)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
