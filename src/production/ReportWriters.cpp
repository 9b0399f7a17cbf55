// Human, JSON and CSV forms of a calibration report.
#include "production/ReportWriters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace halvex {
namespace {

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QString hex(int value) {
    return QString::number(value, 16);
}

QJsonObject ratiosObject(double rb, double bg, double rg) {
    return {{QStringLiteral("rb"), rounded(rb, 4)},
            {QStringLiteral("bg"), rounded(bg, 4)},
            {QStringLiteral("rg"), rounded(rg, 4)}};
}

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

} // namespace

QString HumanSummary(const CalibrationReport& report) {
    QString text;
    text += QStringLiteral("Calibration %1\n")
                .arg(report.verdict == Verdict::Passed
                         ? QStringLiteral("PASSED")
                         : QStringLiteral("FAILED (%1)").arg(verdictName(report.verdict)));
    if (!report.message.isEmpty()) {
        text += QStringLiteral("  Reason:        %1\n").arg(report.message.simplified());
    }
    text += QStringLiteral("  Sensor:        %1\n").arg(report.sensor);
    for (const QString& line : report.identity) {
        text += QStringLiteral("                 %1\n").arg(line);
    }
    text += QStringLiteral("  Settings:      %1\n").arg(report.settingsFile);
    text += QStringLiteral("  Procedure:     %1, %2 passes, %3 s\n")
                .arg(procedureName(report.procedure))
                .arg(report.passes.size())
                .arg(fixed(report.durationSeconds, 1));
    text += QStringLiteral("  White balance: blue %1 (%2), red %3 (%4)\n")
                .arg(report.finalBlue)
                .arg(hex(report.finalBlue))
                .arg(report.finalRed)
                .arg(hex(report.finalRed));
    text += QStringLiteral("  Ratios:        R/B %1, B/G %2, R/G %3\n")
                .arg(fixed(report.rb, 2), fixed(report.bg, 2), fixed(report.rg, 2));
    return text;
}

QByteArray JsonReport(const CalibrationReport& report) {
    QJsonArray passes;
    int number = 0;
    for (const PassRecord& pass : report.passes) {
        QJsonObject entry{{QStringLiteral("pass"), ++number},
                          {QStringLiteral("seconds"), rounded(pass.seconds, 3)},
                          {QStringLiteral("r"), pass.red},
                          {QStringLiteral("g"), pass.green},
                          {QStringLiteral("b"), pass.blue},
                          {QStringLiteral("blue"), pass.blueGain},
                          {QStringLiteral("red"), pass.redGain},
                          {QStringLiteral("match"), rounded(pass.match, 2)},
                          {QStringLiteral("ratios"), ratiosObject(pass.rb, pass.bg, pass.rg)}};
        passes.append(entry);
    }
    const QJsonObject root{
        {QStringLiteral("tool"), QStringLiteral("halvex-calibrate")},
        {QStringLiteral("version"), report.version},
        {QStringLiteral("camera"), QJsonArray::fromStringList(report.identity)},
        {QStringLiteral("sensor"), report.sensor},
        {QStringLiteral("procedure"), procedureName(report.procedure)},
        {QStringLiteral("settings"), report.settingsFile},
        {QStringLiteral("passes"), passes},
        {QStringLiteral("final"), QJsonObject{{QStringLiteral("blue"), report.finalBlue},
                                              {QStringLiteral("red"), report.finalRed},
                                              {QStringLiteral("blueHex"), hex(report.finalBlue)},
                                              {QStringLiteral("redHex"), hex(report.finalRed)}}},
        {QStringLiteral("ratios"), ratiosObject(report.rb, report.bg, report.rg)},
        {QStringLiteral("verdict"), verdictName(report.verdict)},
        {QStringLiteral("message"), report.message},
        {QStringLiteral("seconds"), rounded(report.durationSeconds, 3)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray TraceCsv(const CalibrationReport& report) {
    QString text = QStringLiteral("pass,seconds,r,g,b,blue,red,match,rb,bg,rg\n");
    int number = 0;
    for (const PassRecord& pass : report.passes) {
        text +=
            QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11\n")
                .arg(++number)
                .arg(fixed(pass.seconds, 3))
                .arg(pass.red)
                .arg(pass.green)
                .arg(pass.blue)
                .arg(pass.blueGain)
                .arg(pass.redGain)
                .arg(fixed(pass.match, 2), fixed(pass.rb, 4), fixed(pass.bg, 4), fixed(pass.rg, 4));
    }
    return text.toUtf8();
}

} // namespace halvex
