// The camera settings of the two sensors: which settings-store entry holds each of them.
#pragma once

#include <QLatin1StringView>
#include <QString>
#include <optional>

namespace halvex {

enum class CameraSetting {
    WhiteBalanceBlue,
    WhiteBalanceRed,
    Gamma1,
    Gamma2,
    Gamma3,
    Saturation,
    Contrast,
    Brightness,
    ColorBiasBlue,
    ColorBiasRed,
    SuperGain,
    AwbSpeed,
    AecSpeed,
    AlcSpeed,
    FrameSpeed,
};

enum class Sensor { OV7610, OV7620, Other };

// The sensor that SensorModel names.
Sensor currentSensor();

struct EntryName {
    QLatin1StringView section;
    QLatin1StringView key;
};

// The entry of the current sensor; none for a sensor the tool has no settings for.
std::optional<EntryName> cameraEntry(CameraSetting setting);

// The stored text of the current sensor's entry (empty without one).
QString readCameraEntry(CameraSetting setting);
// Stores text in the current sensor's entry; does nothing without one.
void writeCameraEntry(CameraSetting setting, const QString& text);

} // namespace halvex
