// Which of the two sensors the camera reported, as the calibration sequences branch on it.
#pragma once

#include "settings/SettingsStore.h"

namespace halvex {

enum class SensorKind { OV7610, OV7620, Other };

inline SensorKind CurrentSensorKind() {
    if (SensorModel == QLatin1String("OV7610")) {
        return SensorKind::OV7610;
    }
    if (SensorModel == QLatin1String("OV7620")) {
        return SensorKind::OV7620;
    }
    return SensorKind::Other;
}

} // namespace halvex
