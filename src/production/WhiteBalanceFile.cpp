// The white balance of a run written to a settings file.
#include "production/WhiteBalanceFile.h"

#include "camerasettings/CameraSettingEntries.h"
#include "framework/DialogService.h"
#include "settings/SaveSequence.h"
#include "settings/SettingsFile.h"

namespace halvex {

bool StoreWhiteBalance(const QString& path, int blue, int red, QString& error) {
    if (currentSensor() == Sensor::Other) {
        error = QStringLiteral("the settings file has no white-balance section for the sensor");
        return false;
    }
    SettingsFile().Load(path);
    writeCameraEntry(CameraSetting::WhiteBalanceBlue, QString::number(blue, 16));
    writeCameraEntry(CameraSetting::WhiteBalanceRed, QString::number(red, 16));
    if (!SaveSettingsWithBackup(path, nullptr)) {
        error = QStringLiteral("cannot write the settings file %1").arg(path);
        return false;
    }
    return true;
}

} // namespace halvex
