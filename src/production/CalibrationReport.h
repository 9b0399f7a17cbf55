// What one run of halvex-calibrate found: the camera, every pass and the verdict.
#pragma once

#include "calibration/CalibrationRecord.h"
#include "production/CalibrateOptions.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace halvex {

// How a run ended: a pass, a failed calibration (the procedure's own verdicts) or a camera
// failure.
enum class Verdict {
    Passed,
    OutOfRange,
    GreenOutOfLimits,
    RatioCheckFailed,
    TimedOut,
    InitialValuesRefused,
    CameraNotFound,
    IdentityFailed,
    CameraLost,
};

// The command's exit statuses.
enum ExitStatus {
    ExitPassed = 0,
    ExitCalibrationFailed = 1,
    ExitCameraFailure = 2,
    ExitBadInput = 3,
};

Verdict verdictOf(CalibrationVerdict verdict);
ExitStatus exitStatusOf(Verdict verdict);
// The verdict as the report names it: the procedure's own names ("pass", "timeout"...), then
// "camera-not-found", "identity-failed", "camera-lost".
QString verdictName(Verdict verdict);

struct CalibrationReport {
    QString version;
    QStringList identity; // the device information lines
    QString sensor;
    CalibrationProcedure procedure = CalibrationProcedure::Manual;
    QString settingsFile;
    int tolerance = 0;        // of the manual procedure, for the plot's band
    CalibrationResult result; // passes, final gains and ratios
    Verdict verdict = Verdict::Passed;
    QString message; // the text that ended the run; empty on a pass
    // Every message box of the run with the answer it got ("Operation timeout!", "Retry").
    std::vector<std::pair<QString, QString>> messages;
    double durationSeconds = 0.0;
};

} // namespace halvex
