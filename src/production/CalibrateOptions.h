// The command line of halvex-calibrate: settings file, procedure, the calibration panel's values
// and what to do with the result.
#pragma once

#include "calibration/CalibrationFrontEnd.h"
#include "calibration/CalibrationRecord.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace halvex {

struct CalibrateOptions {
    QString settingsFile; // absolute; empty: default.ini of the application directory
    CalibrationProcedure procedure = CalibrationProcedure::Manual;
    // The calibration panel as its boxes hold the values: a fresh tool's, changed by the options.
    CalibrationPanelValues panel = kCalibrationPanelDefaults;
    int retries = 0; // Retry answers before a Retry/Cancel box is answered Cancel
    bool json = false;
    QString writeSettings; // absolute; empty: the settings are not written
    QString trace;         // CSV of the passes
    QString plot;          // PNG of the passes
    // Tests and benchmarks: the tool and the simulated camera run in virtual time.
    bool virtualTime = false;
};

// Parses the arguments (program name first) without printing or ending the process.
class CalibrateCommandLine {
public:
    explicit CalibrateCommandLine(const QStringList& arguments);

    // Set when the command ends at once: 0 after --help or --version, 3 after bad input.
    std::optional<int> exitStatus() const { return m_exitStatus; }
    const QString& output() const { return m_output; } // for standard output
    const QString& errors() const { return m_errors; } // one line for standard error
    const CalibrateOptions& options() const { return m_options; }

private:
    std::optional<int> m_exitStatus;
    QString m_output;
    QString m_errors;
    CalibrateOptions m_options;
};

} // namespace halvex
