// The history file of calibration runs: a header line, then one line per run.
#include "calibration/CalibrationHistory.h"

#include "settings/FilePaths.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <cstdio>

namespace halvex {
namespace {

// A field as CSV holds it: quoted when it has a separator, a quote or a line break.
QString field(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString ratio(float value) {
    return QString::asprintf("%1.2f", static_cast<double>(value));
}

} // namespace

CalibrationHistory::CalibrationHistory(const QString& directory)
    : m_path(JoinPath(directory, QString::fromLatin1(FileName))) {}

QString CalibrationHistory::HeaderLine() {
    return QStringLiteral("DateTime,Sensor,Procedure,InitialBlue,InitialRed,FinalBlue,FinalRed,"
                          "RatioRB,RatioBG,RatioRG,Verdict,Passes");
}

QString CalibrationHistory::Line(const CalibrationResult& result, const QString& sensor) {
    const QDateTime started = QDateTime::fromSecsSinceEpoch(result.startedAt);
    const QStringList fields{
        started.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
        field(sensor),
        ProcedureName(result.procedure),
        QString::number(result.initialGains.blue),
        QString::number(result.initialGains.red),
        QString::number(result.finalGains.blue),
        QString::number(result.finalGains.red),
        ratio(result.ratios.rb),
        ratio(result.ratios.bg),
        ratio(result.ratios.rg),
        VerdictName(result.verdict),
        QString::number(result.passes.size()),
    };
    return fields.join(QLatin1Char(','));
}

bool CalibrationHistory::Append(const CalibrationResult& result, const QString& sensor,
                                QString* error) const {
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *error = file.errorString();
        return false;
    }
    QByteArray bytes;
    if (file.size() == 0) {
        bytes = HeaderLine().toUtf8() + '\n';
    }
    bytes += Line(result, sensor).toUtf8() + '\n';
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void CalibrationHistory::AppendOrReport(const CalibrationResult& result,
                                        const QString& sensor) const {
    QString error;
    if (!Append(result, sensor, &error)) {
        std::fprintf(stderr, "halvex: cannot append to %s: %s\n", qPrintable(m_path),
                     qPrintable(error));
    }
}

} // namespace halvex
