// The camera settings of the two sensors as one table: the OV7620 sections end in "2".
#include "camerasettings/CameraSettingEntries.h"

#include "settings/SettingsStore.h"

#include <array>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;

struct SettingEntries {
    CameraSetting setting;
    EntryName ov7610;
    EntryName ov7620;
};

constexpr std::array kEntries{
    SettingEntries{CameraSetting::WhiteBalanceBlue,
                   {"WhiteBalance"_L1, "Blue"_L1},
                   {"WhiteBalance2"_L1, "Blue"_L1}},
    SettingEntries{CameraSetting::WhiteBalanceRed,
                   {"WhiteBalance"_L1, "Red"_L1},
                   {"WhiteBalance2"_L1, "Red"_L1}},
    SettingEntries{CameraSetting::Gamma1, {"Gamma"_L1, "Gamma1"_L1}, {"Gamma2"_L1, "Gamma1"_L1}},
    SettingEntries{CameraSetting::Gamma2, {"Gamma"_L1, "Gamma2"_L1}, {"Gamma2"_L1, "Gamma2"_L1}},
    SettingEntries{CameraSetting::Gamma3, {"Gamma"_L1, "Gamma3"_L1}, {"Gamma2"_L1, "Gamma3"_L1}},
    SettingEntries{CameraSetting::Saturation,
                   {"Saturation"_L1, "Saturation"_L1},
                   {"Saturation2"_L1, "Saturation"_L1}},
    SettingEntries{
        CameraSetting::Contrast, {"Contrast"_L1, "Contrast"_L1}, {"Contrast2"_L1, "Contrast"_L1}},
    SettingEntries{CameraSetting::Brightness,
                   {"Brightness"_L1, "Brightness"_L1},
                   {"Brightness2"_L1, "Brightness"_L1}},
    SettingEntries{
        CameraSetting::ColorBiasBlue, {"ColorBias"_L1, "Blue"_L1}, {"ColorBias2"_L1, "Blue"_L1}},
    SettingEntries{
        CameraSetting::ColorBiasRed, {"ColorBias"_L1, "Red"_L1}, {"ColorBias2"_L1, "Red"_L1}},
    SettingEntries{
        CameraSetting::SuperGain, {"SuperGain"_L1, "Gain"_L1}, {"SuperGain2"_L1, "Gain"_L1}},
    SettingEntries{
        CameraSetting::AwbSpeed, {"AWBSpeed"_L1, "AWBSpeed"_L1}, {"AWBSpeed2"_L1, "AWBSpeed"_L1}},
    SettingEntries{
        CameraSetting::AecSpeed, {"AECSpeed"_L1, "AECSpeed"_L1}, {"AECSpeed2"_L1, "AECSpeed"_L1}},
    SettingEntries{
        CameraSetting::AlcSpeed, {"ALCSpeed"_L1, "ALCSpeed"_L1}, {"ALCSpeed2"_L1, "ALCSpeed"_L1}},
    SettingEntries{CameraSetting::FrameSpeed,
                   {"FrameSpeed"_L1, "FrameSpeed"_L1},
                   {"FrameSpeed2"_L1, "FrameSpeed"_L1}},
};

} // namespace

Sensor currentSensor() {
    if (SensorModel == "OV7610"_L1) {
        return Sensor::OV7610;
    }
    if (SensorModel == "OV7620"_L1) {
        return Sensor::OV7620;
    }
    return Sensor::Other;
}

std::optional<EntryName> cameraEntry(CameraSetting setting) {
    const Sensor sensor = currentSensor();
    if (sensor == Sensor::Other) {
        return std::nullopt;
    }
    for (const SettingEntries& row : kEntries) {
        if (row.setting == setting) {
            return sensor == Sensor::OV7610 ? row.ov7610 : row.ov7620;
        }
    }
    return std::nullopt;
}

QString readCameraEntry(CameraSetting setting) {
    const std::optional<EntryName> entry = cameraEntry(setting);
    return entry ? settingsStore().value(QString(entry->section), QString(entry->key)) : QString();
}

void writeCameraEntry(CameraSetting setting, const QString& text) {
    if (const std::optional<EntryName> entry = cameraEntry(setting)) {
        settingsStore().setValue(QString(entry->section), QString(entry->key), text);
    }
}

} // namespace halvex
