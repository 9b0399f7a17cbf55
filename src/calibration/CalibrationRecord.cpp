// The names of procedures and verdicts in reports and the history file.
#include "calibration/CalibrationRecord.h"

namespace halvex {

QString VerdictName(CalibrationVerdict verdict) {
    switch (verdict) {
    case CalibrationVerdict::Pass:
        return QStringLiteral("pass");
    case CalibrationVerdict::OutOfRange:
        return QStringLiteral("out-of-range");
    case CalibrationVerdict::GreenOutOfLimits:
        return QStringLiteral("green-out-of-limits");
    case CalibrationVerdict::RatioCheckFailed:
        return QStringLiteral("ratio-check-failed");
    case CalibrationVerdict::TimedOut:
        return QStringLiteral("timeout");
    case CalibrationVerdict::InitialValuesRefused:
        return QStringLiteral("initial-values-refused");
    }
    return {};
}

QString ProcedureName(CalibrationProcedure procedure) {
    return procedure == CalibrationProcedure::Automatic ? QStringLiteral("auto")
                                                        : QStringLiteral("manual");
}

} // namespace halvex
