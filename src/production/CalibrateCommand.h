// One run of halvex-calibrate: settings, camera, procedure, report, exit status.
#pragma once

#include "production/CalibrateOptions.h"
#include "production/CalibrationReport.h"
#include "production/ProgressLine.h"

#include <QString>

namespace halvex {

struct CommandEnvironment {
    // Where default.ini is found when --settings is not given ($HALVEX_APPDIR, else the
    // technician's folder of the tool) and the calibration history is kept.
    QString applicationDirectory;
    bool terminal = false; // standard error is a terminal
};

class CalibrateCommand {
public:
    CalibrateCommand(CalibrateOptions options, CommandEnvironment environment);

    // Runs everything and returns the exit status; the report goes to standard output, progress
    // and the one-line reason of a failure to standard error.
    int run();

private:
    // The reason of a bad input, or empty when the files named can be used.
    QString checkFiles();
    // Opens the camera, runs the start-up sequence and the procedure; fills the report.
    void calibrate();
    // Writes what was asked for after the run; false after a refused write, with the reason.
    bool writeOutputs(QString& error);
    int fail(int status, const QString& reason);

    CalibrateOptions m_options;
    CommandEnvironment m_environment;
    ProgressLine m_progress;
    CalibrationReport m_report;
};

} // namespace halvex
