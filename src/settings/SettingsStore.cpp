// The in-memory settings and the process-wide shared variables.
#include "settings/SettingsStore.h"

namespace halvex {

QString SensorModel;
QString CurrentIniPath;
QString ApplicationDirectory;
int SettingsChanged = 0;

int SettingsStore::indexOf(QStringView section, QStringView key) {
    const auto& keys = settingsKeys();
    for (int index = 0; index < Count; ++index) {
        if (keys[index].key == key && keys[index].section == section) {
            return index;
        }
    }
    return -1;
}

QString SettingsStore::value(QStringView section, QStringView key) const {
    const int index = indexOf(section, key);
    return index < 0 ? QString() : m_values[index];
}

bool SettingsStore::setValue(QStringView section, QStringView key, const QString& text) {
    const int index = indexOf(section, key);
    if (index < 0) {
        return false;
    }
    m_values[index] = text;
    return true;
}

void SettingsStore::clear() {
    m_values.fill(QString());
}

SettingsStore& settingsStore() {
    static SettingsStore store;
    return store;
}

} // namespace halvex
