// Verdicts and their exit statuses.
#include "production/CalibrationReport.h"

#include <array>

namespace halvex {
namespace {

struct VerdictRow {
    Verdict verdict;
    const char* name;
    ExitStatus status;
};

constexpr std::array kVerdicts{
    VerdictRow{Verdict::Passed, "passed", ExitPassed},
    VerdictRow{Verdict::OutOfRange, "out-of-range", ExitCalibrationFailed},
    VerdictRow{Verdict::GreenOutOfLimits, "green-out-of-limits", ExitCalibrationFailed},
    VerdictRow{Verdict::RatioCheckFailed, "ratio-check-failed", ExitCalibrationFailed},
    VerdictRow{Verdict::TimedOut, "timed-out", ExitCalibrationFailed},
    VerdictRow{Verdict::CameraNotFound, "camera-not-found", ExitCameraFailure},
    VerdictRow{Verdict::IdentityFailed, "identity-failed", ExitCameraFailure},
    VerdictRow{Verdict::CameraLost, "camera-lost", ExitCameraFailure},
};

const VerdictRow& rowOf(Verdict verdict) {
    return kVerdicts[static_cast<std::size_t>(verdict)];
}

} // namespace

ExitStatus exitStatusOf(Verdict verdict) {
    return rowOf(verdict).status;
}

QString verdictName(Verdict verdict) {
    return QString::fromLatin1(rowOf(verdict).name);
}

QString procedureName(Procedure procedure) {
    return procedure == Procedure::Auto ? QStringLiteral("auto") : QStringLiteral("manual");
}

} // namespace halvex
