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

// In the order of Verdict.
constexpr std::array kVerdicts{
    VerdictRow{Verdict::Passed, "pass", ExitPassed},
    VerdictRow{Verdict::OutOfRange, "out-of-range", ExitCalibrationFailed},
    VerdictRow{Verdict::GreenOutOfLimits, "green-out-of-limits", ExitCalibrationFailed},
    VerdictRow{Verdict::RatioCheckFailed, "ratio-check-failed", ExitCalibrationFailed},
    VerdictRow{Verdict::TimedOut, "timeout", ExitCalibrationFailed},
    // The camera would not take a white balance at all.
    VerdictRow{Verdict::InitialValuesRefused, "initial-values-refused", ExitCameraFailure},
    VerdictRow{Verdict::CameraNotFound, "camera-not-found", ExitCameraFailure},
    VerdictRow{Verdict::IdentityFailed, "identity-failed", ExitCameraFailure},
    VerdictRow{Verdict::CameraLost, "camera-lost", ExitCameraFailure},
};

const VerdictRow& rowOf(Verdict verdict) {
    return kVerdicts[static_cast<std::size_t>(verdict)];
}

} // namespace

Verdict verdictOf(CalibrationVerdict verdict) {
    switch (verdict) {
    case CalibrationVerdict::Pass:
        return Verdict::Passed;
    case CalibrationVerdict::OutOfRange:
        return Verdict::OutOfRange;
    case CalibrationVerdict::GreenOutOfLimits:
        return Verdict::GreenOutOfLimits;
    case CalibrationVerdict::RatioCheckFailed:
        return Verdict::RatioCheckFailed;
    case CalibrationVerdict::TimedOut:
        return Verdict::TimedOut;
    case CalibrationVerdict::InitialValuesRefused:
        return Verdict::InitialValuesRefused;
    }
    return Verdict::CameraLost;
}

ExitStatus exitStatusOf(Verdict verdict) {
    return rowOf(verdict).status;
}

QString verdictName(Verdict verdict) {
    return QString::fromLatin1(rowOf(verdict).name);
}

} // namespace halvex
