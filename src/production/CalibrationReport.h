// What one run of halvex-calibrate found: the camera, every pass and the verdict.
#pragma once

#include "production/CalibrateOptions.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace halvex {

// How a run ended; the first is a pass, the next four fail the calibration, the last three are
// camera failures.
enum class Verdict {
    Passed,
    OutOfRange,
    GreenOutOfLimits,
    RatioCheckFailed,
    TimedOut,
    CameraNotFound,
    IdentityFailed,
    CameraLost,
};

// The command's exit statuses.
enum ExitStatus {
    ExitPassed = 0,
    ExitCalibrationFailed = 1,
    ExitCameraFailure = 2,
    ExitBadInput = 3
};

ExitStatus exitStatusOf(Verdict verdict);
// The verdict as the JSON report names it ("passed", "out-of-range"...).
QString verdictName(Verdict verdict);

// One pass of a procedure: a measurement of the white target and the gains it led to.
struct PassRecord {
    double seconds = 0.0;             // since the procedure started
    int red = 0, green = 0, blue = 0; // averages of the sampling block
    int blueGain = 0, redGain = 0;
    double match = 0.0; // percent, 100 = red and blue equal green
    double rb = 0.0, bg = 0.0, rg = 0.0;
};

struct CalibrationReport {
    QString version;
    QStringList identity; // the device information lines
    QString sensor;
    Procedure procedure = Procedure::Manual;
    QString settingsFile;
    int tolerance = 0; // of the manual procedure, for the plot's band
    std::vector<PassRecord> passes;
    int finalBlue = 0, finalRed = 0;
    double rb = 0.0, bg = 0.0, rg = 0.0;
    Verdict verdict = Verdict::Passed;
    QString message; // the text that ended the run; empty on a pass
    double durationSeconds = 0.0;
};

QString procedureName(Procedure procedure);

} // namespace halvex
