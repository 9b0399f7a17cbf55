// The record of every calibration run: one line per run appended to calibration-history.csv in
// the application directory.
#pragma once

#include "calibration/CalibrationRecord.h"

#include <QString>

namespace halvex {

class CalibrationHistory {
public:
    static constexpr char FileName[] = "calibration-history.csv";

    // The history file of the given folder.
    explicit CalibrationHistory(const QString& directory);

    // The column names, the file's first line.
    static QString HeaderLine();
    // The run's line, without its line break.
    static QString Line(const CalibrationResult& result, const QString& sensor);

    // Appends the run's line (after the header line when the file is new or empty). A failure
    // gives false and its description in *error.
    bool Append(const CalibrationResult& result, const QString& sensor, QString* error) const;
    // Append, with a failure reported on stderr (the run it records is never interrupted).
    void AppendOrReport(const CalibrationResult& result, const QString& sensor) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

} // namespace halvex
