// A picture of the passes: the R, G and B averages and the two gains against the pass number,
// with the band of the manual procedure's tolerance around green.
#pragma once

#include "production/CalibrationReport.h"

#include <QImage>

namespace halvex {

// Draws text, so a QGuiApplication must exist.
QImage DrawTracePlot(const CalibrationReport& report);

} // namespace halvex
