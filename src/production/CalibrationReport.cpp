// Verdicts and their exit statuses.
#include "production/CalibrationReport.h"

#include <algorithm>
#include <array>
#include <optional>

namespace halvex {
namespace {

struct VerdictRow {
    Verdict verdict;
    ExitStatus status;
    // The procedure's own verdict this one reports, which also gives its name; the command's own
    // verdicts name themselves.
    std::optional<CalibrationVerdict> procedure;
    const char* name;
};

// In the order of Verdict.
constexpr std::array kVerdicts{
    VerdictRow{Verdict::Passed, ExitPassed, CalibrationVerdict::Pass, nullptr},
    VerdictRow{Verdict::OutOfRange, ExitCalibrationFailed, CalibrationVerdict::OutOfRange, nullptr},
    VerdictRow{Verdict::GreenOutOfLimits, ExitCalibrationFailed,
               CalibrationVerdict::GreenOutOfLimits, nullptr},
    VerdictRow{Verdict::RatioCheckFailed, ExitCalibrationFailed,
               CalibrationVerdict::RatioCheckFailed, nullptr},
    VerdictRow{Verdict::TimedOut, ExitCalibrationFailed, CalibrationVerdict::TimedOut, nullptr},
    // The camera would not take a white balance at all.
    VerdictRow{Verdict::InitialValuesRefused, ExitCameraFailure,
               CalibrationVerdict::InitialValuesRefused, nullptr},
    VerdictRow{Verdict::CameraNotFound, ExitCameraFailure, std::nullopt, "camera-not-found"},
    VerdictRow{Verdict::IdentityFailed, ExitCameraFailure, std::nullopt, "identity-failed"},
    VerdictRow{Verdict::CameraLost, ExitCameraFailure, std::nullopt, "camera-lost"},
};

const VerdictRow& rowOf(Verdict verdict) {
    return kVerdicts[static_cast<std::size_t>(verdict)];
}

} // namespace

Verdict verdictOf(CalibrationVerdict verdict) {
    const auto row = std::ranges::find(kVerdicts, std::optional(verdict), &VerdictRow::procedure);
    return row != kVerdicts.end() ? row->verdict : Verdict::CameraLost;
}

ExitStatus exitStatusOf(Verdict verdict) {
    return rowOf(verdict).status;
}

QString verdictName(Verdict verdict) {
    const VerdictRow& row = rowOf(verdict);
    return row.procedure ? VerdictName(*row.procedure) : QString::fromLatin1(row.name);
}

} // namespace halvex
