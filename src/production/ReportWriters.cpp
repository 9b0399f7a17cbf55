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

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QJsonObject ratiosObject(const ColourRatios& ratios) {
    return {{QStringLiteral("rb"), rounded(ratios.rb, 4)},
            {QStringLiteral("bg"), rounded(ratios.bg, 4)},
            {QStringLiteral("rg"), rounded(ratios.rg, 4)}};
}

} // namespace

QString HumanSummary(const CalibrationReport& report) {
    const CalibrationResult& result = report.result;
    const bool passed = report.verdict == Verdict::Passed;
    QString text =
        QStringLiteral("Calibration %1\n")
            .arg(passed ? QStringLiteral("PASSED")
                        : QStringLiteral("FAILED (%1)").arg(verdictName(report.verdict)));
    if (!report.message.isEmpty()) {
        text += QStringLiteral("  Reason:        %1\n").arg(report.message.simplified());
    }
    text += QStringLiteral("  Settings:      %1\n").arg(report.settingsFile);
    if (report.identity.isEmpty()) {
        return text; // the camera was not opened
    }
    text += QStringLiteral("  Camera:        %1\n").arg(report.identity.join(QStringLiteral(", ")));
    text += QStringLiteral("  Procedure:     %1, %2 passes, %3 s\n")
                .arg(ProcedureName(report.procedure))
                .arg(result.passes.size())
                .arg(fixed(report.durationSeconds, 1));
    text += QStringLiteral("  White balance: blue %1 (%2), red %3 (%4)\n")
                .arg(result.finalGains.blue)
                .arg(hex(result.finalGains.blue))
                .arg(result.finalGains.red)
                .arg(hex(result.finalGains.red));
    text += QStringLiteral("  Averages:      R %1, G %2, B %3\n")
                .arg(result.averages.red)
                .arg(result.averages.green)
                .arg(result.averages.blue);
    text += QStringLiteral("  Ratios:        R/B %1, B/G %2, R/G %3\n")
                .arg(fixed(result.ratios.rb, 2), fixed(result.ratios.bg, 2),
                     fixed(result.ratios.rg, 2));
    return text;
}

QByteArray JsonReport(const CalibrationReport& report) {
    const CalibrationResult& result = report.result;
    // A reading of the automatic procedure has gains only; the manual one measures the image.
    const bool measured = report.procedure == CalibrationProcedure::Manual;
    QJsonArray passes;
    for (const CalibrationPass& pass : result.passes) {
        QJsonObject entry{{QStringLiteral("pass"), pass.number},
                          {QStringLiteral("seconds"), pass.elapsedMs / 1000.0},
                          {QStringLiteral("blue"), pass.gains.blue},
                          {QStringLiteral("red"), pass.gains.red}};
        if (measured) {
            entry.insert(QStringLiteral("r"), pass.averages.red);
            entry.insert(QStringLiteral("g"), pass.averages.green);
            entry.insert(QStringLiteral("b"), pass.averages.blue);
            entry.insert(QStringLiteral("match"), rounded(pass.matchPercentage, 2));
            entry.insert(QStringLiteral("ratios"), ratiosObject(pass.ratios));
        }
        passes.append(entry);
    }
    QJsonArray messages;
    for (const auto& [text, answer] : report.messages) {
        messages.append(
            QJsonObject{{QStringLiteral("text"), text}, {QStringLiteral("answer"), answer}});
    }
    const QJsonObject root{
        {QStringLiteral("tool"), QStringLiteral("halvex-calibrate")},
        {QStringLiteral("version"), report.version},
        {QStringLiteral("camera"), QJsonArray::fromStringList(report.identity)},
        {QStringLiteral("sensor"), report.sensor},
        {QStringLiteral("procedure"), ProcedureName(report.procedure)},
        {QStringLiteral("settings"), report.settingsFile},
        {QStringLiteral("initial"), QJsonObject{{QStringLiteral("blue"), result.initialGains.blue},
                                                {QStringLiteral("red"), result.initialGains.red}}},
        {QStringLiteral("passes"), passes},
        {QStringLiteral("final"),
         QJsonObject{{QStringLiteral("blue"), result.finalGains.blue},
                     {QStringLiteral("red"), result.finalGains.red},
                     {QStringLiteral("blueHex"), hex(result.finalGains.blue)},
                     {QStringLiteral("redHex"), hex(result.finalGains.red)}}},
        {QStringLiteral("averages"), QJsonObject{{QStringLiteral("r"), result.averages.red},
                                                 {QStringLiteral("g"), result.averages.green},
                                                 {QStringLiteral("b"), result.averages.blue}}},
        {QStringLiteral("ratios"), ratiosObject(result.ratios)},
        {QStringLiteral("verdict"), verdictName(report.verdict)},
        {QStringLiteral("message"), report.message},
        {QStringLiteral("messages"), messages},
        {QStringLiteral("seconds"), rounded(report.durationSeconds, 3)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QByteArray TraceCsv(const CalibrationReport& report) {
    const bool measured = report.procedure == CalibrationProcedure::Manual;
    QString text = QStringLiteral("pass,seconds,r,g,b,blue,red,match,rb,bg,rg\n");
    for (const CalibrationPass& pass : report.result.passes) {
        // The automatic procedure's readings leave the measurement's columns empty.
        const QString measurement = measured ? QStringLiteral("%1,%2,%3")
                                                   .arg(pass.averages.red)
                                                   .arg(pass.averages.green)
                                                   .arg(pass.averages.blue)
                                             : QStringLiteral(",,");
        const QString quality =
            measured ? QStringLiteral("%1,%2,%3,%4")
                           .arg(fixed(pass.matchPercentage, 2), fixed(pass.ratios.rb, 4),
                                fixed(pass.ratios.bg, 4), fixed(pass.ratios.rg, 4))
                     : QStringLiteral(",,,");
        text += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                    .arg(pass.number)
                    .arg(fixed(pass.elapsedMs / 1000.0, 3), measurement)
                    .arg(pass.gains.blue)
                    .arg(pass.gains.red)
                    .arg(quality);
    }
    return text.toUtf8();
}

} // namespace halvex
