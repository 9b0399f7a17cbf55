// The records a front end may ignore.
#include "calibration/CalibrationFrontEnd.h"

namespace halvex {

void CalibrationFrontEnd::passRecorded(const CalibrationPass&) {}

void CalibrationFrontEnd::runFinished(const CalibrationResult&) {}

} // namespace halvex
