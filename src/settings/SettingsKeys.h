// The 101 keys of the settings file, in the order Load reads and Save writes them.
#pragma once

#include <QLatin1StringView>
#include <array>

namespace halvex {

struct SettingsKey {
    QLatin1StringView section;
    QLatin1StringView key;
    bool quoted; // written inside double quotes
};

inline constexpr int SettingsKeyCount = 101;

const std::array<SettingsKey, SettingsKeyCount>& settingsKeys();

} // namespace halvex
