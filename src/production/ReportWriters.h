// The report of a run as the technician reads it, as JSON for the production line's systems,
// and its passes as CSV.
#pragma once

#include "production/CalibrationReport.h"

#include <QByteArray>
#include <QString>

namespace halvex {

QString HumanSummary(const CalibrationReport& report);
QByteArray JsonReport(const CalibrationReport& report);
// Header line "pass,seconds,r,g,b,blue,red,match,rb,bg,rg", then one line per pass.
QByteArray TraceCsv(const CalibrationReport& report);

} // namespace halvex
