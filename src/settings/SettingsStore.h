// The 101 settings values in memory and the process-wide shared variables.
#pragma once

#include "settings/SettingsKeys.h"

#include <QString>
#include <QStringView>
#include <array>

namespace halvex {

// One text per (section, key) of settingsKeys(), in the same order. Names are matched exactly as
// the table spells them: the store is addressed by the system's own code, never by file contents.
class SettingsStore {
public:
    static constexpr int Count = SettingsKeyCount;

    // Position of (section, key) in settingsKeys(), or -1 when the pair is not one of the 101.
    static int indexOf(QStringView section, QStringView key);

    // Empty text for a pair that is not one of the 101.
    QString value(QStringView section, QStringView key) const;
    // False (and nothing stored) for a pair that is not one of the 101.
    bool setValue(QStringView section, QStringView key, const QString& text);

    const QString& at(int index) const { return m_values.at(index); }
    void setAt(int index, const QString& text) { m_values.at(index) = text; }

    // Every value empty, as before the first Load.
    void clear();

private:
    std::array<QString, Count> m_values;
};

// The process-wide store.
SettingsStore& settingsStore();

// Camera version text reported at start-up: "OV7610" or "OV7620" (empty until then).
extern QString SensorModel;
// Full path of the settings file last found, loaded or saved.
extern QString CurrentIniPath;
// The working folder found at start-up, used as the application folder.
extern QString ApplicationDirectory;
// 1 after an edit on the application-data pages, 0 after their window saved, opened or closed.
extern int SettingsChanged;

} // namespace halvex
