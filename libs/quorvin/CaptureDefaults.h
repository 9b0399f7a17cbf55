// The capture defaults a series starts from, as the host's settings file gives them.
#pragma once

#include <QString>
#include <QStringList>

#include "ImageFormat.h"
#include "QuorvinApi.h"

namespace quorvin {

struct QUORVIN_API CaptureDefaults {
    QString folder; // an existing folder, or the settings file's own folder as a fallback
    QString prefix;
    ImageFormat format = ImageFormat::Jpeg;
    // What had to be changed from the file's values, in sentences for the technician.
    QStringList notes;

    // CaptureScreenParameter: AutosaveLocation, AutosavePrefix, SnapshotDefaultFormat.
    static CaptureDefaults read(const QString& iniPath);
};

} // namespace quorvin
