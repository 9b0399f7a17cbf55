// What a calibration run reports: one record per pass and the run's result, for the technician's
// history and for the production line.
#pragma once

#include "calibration/ColourMeasurement.h"

#include <QString>
#include <VX3lib.h>
#include <cstdint>
#include <vector>

namespace halvex {

enum class CalibrationProcedure { Automatic, Manual };

enum class CalibrationVerdict {
    Pass,                 // settled within the range, or matched green within the tolerance or
                          // the ratio limits
    OutOfRange,           // automatic: message 21 answered Cancel
    GreenOutOfLimits,     // manual: message 24
    RatioCheckFailed,     // manual: message 26
    TimedOut,             // message 20 answered Cancel
    InitialValuesRefused, // automatic: the camera refused the initial values
};

// One pass of the manual procedure (its measurement and the gains it wrote), or one reading of
// the automatic one (the gains the camera reported; no measurement, so averages, ratios and
// match stay 0).
struct CalibrationPass {
    int number = 0;               // from 1, counted over every nested run of the procedure
    std::uint32_t elapsedMs = 0;  // since the procedure started, on the time source's tick count
    ZoneAverages averages;        // R, G, B of the sampling block
    WhiteBalanceValue gains{};    // blue, red
    float matchPercentage = 0.0f; // how close red and blue came to green
    ColourRatios ratios;
};

// A run as the technician started it (the nested runs of its Retry answers included).
struct CalibrationResult {
    CalibrationProcedure procedure = CalibrationProcedure::Manual;
    CalibrationVerdict verdict = CalibrationVerdict::Pass;
    std::int64_t startedAt = 0;       // wall clock, whole seconds since 1970 (time source)
    WhiteBalanceValue initialGains{}; // the initial values the run started from
    WhiteBalanceValue finalGains{};   // the white balance the camera holds at the end
    ZoneAverages averages;            // the closing measurement ("Get RGB")
    ColourRatios ratios;              // its ratios
    std::vector<CalibrationPass> passes;
};

// "pass", "out-of-range", "green-out-of-limits", "ratio-check-failed", "timeout",
// "initial-values-refused".
QString VerdictName(CalibrationVerdict verdict);
// "auto" or "manual".
QString ProcedureName(CalibrationProcedure procedure);

} // namespace halvex
