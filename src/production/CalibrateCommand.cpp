// One run of halvex-calibrate.
#include "production/CalibrateCommand.h"

#include "calibration/CalibrationHistory.h"
#include "calibration/CameraIdentity.h"
#include "calibration/ColourCalibration.h"
#include "framework/DialogService.h"
#include "framework/TimeSource.h"
#include "production/HeadlessDialogService.h"
#include "production/HeadlessFrontEnd.h"
#include "production/ReportWriters.h"
#include "production/TracePlot.h"
#include "production/VirtualRunTime.h"
#include "production/WhiteBalanceFile.h"
#include "resources/ApplicationVersion.h"
#include "resources/StringTable.h"
#include "settings/FileReplacement.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

namespace halvex {
namespace {

constexpr int DeviceNotDetectedMessage = 9;

bool readable(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

CalibrateCommand::CalibrateCommand(CalibrateOptions options, CommandEnvironment environment)
    : m_options(std::move(options)), m_environment(std::move(environment)),
      m_progress(stderr, m_environment.terminal) {
    if (m_options.settingsFile.isEmpty()) {
        m_options.settingsFile =
            QDir(m_environment.applicationDirectory).filePath(QStringLiteral("default.ini"));
    }
}

int CalibrateCommand::fail(int status, const QString& reason) {
    m_progress.finish();
    std::fputs(QStringLiteral("halvex-calibrate: %1\n").arg(reason).toLocal8Bit().constData(),
               stderr);
    return status;
}

QString CalibrateCommand::checkFiles() {
    if (!readable(m_options.settingsFile)) {
        return QStringLiteral("cannot read the settings file %1").arg(m_options.settingsFile);
    }
    if (!m_options.writeSettings.isEmpty() && !readable(m_options.writeSettings)) {
        return QStringLiteral("cannot read the settings file to write %1")
            .arg(m_options.writeSettings);
    }
    return {};
}

int CalibrateCommand::run() {
    if (const QString reason = checkFiles(); !reason.isEmpty()) {
        return fail(ExitBadInput, reason);
    }
    VirtualRunTime virtualTime;
    if (m_options.virtualTime && !virtualTime.install()) {
        return fail(ExitBadInput, QStringLiteral("--virtual-time needs the simulated camera"));
    }
    HeadlessDialogService dialogs(m_options.retries);
    dialogs.onMessage = [this](const MessageRequest& request, MessageResult answer) {
        m_report.messages.emplace_back(request.text, answerName(answer));
        m_progress.note(
            QStringLiteral("%1 [%2]").arg(request.text.simplified(), answerName(answer)));
    };
    setDialogService(&dialogs);
    struct RestoreDialogs {
        ~RestoreDialogs() { setDialogService(nullptr); }
    } restoreDialogs;

    ApplicationDirectory = m_environment.applicationDirectory;
    SettingsFile().Load(m_options.settingsFile);
    CurrentIniPath = m_options.settingsFile;

    m_report.version = ApplicationVersion();
    m_report.procedure = m_options.procedure;
    m_report.settingsFile = m_options.settingsFile;
    m_report.tolerance = m_options.panel.tolerance.toInt();
    const std::uint32_t start = timeSource().tickCount();
    calibrate();
    m_report.durationSeconds = (timeSource().tickCount() - start) / 1000.0;
    m_progress.finish();

    const QString report =
        m_options.json ? QString::fromUtf8(JsonReport(m_report)) : HumanSummary(m_report);
    std::fputs(report.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);

    QString error;
    if (!writeOutputs(error)) {
        return fail(ExitBadInput, error);
    }
    const ExitStatus status = exitStatusOf(m_report.verdict);
    if (status == ExitPassed) {
        return status;
    }
    const QString kind = status == ExitCameraFailure ? QStringLiteral("camera failure")
                                                     : QStringLiteral("calibration failed");
    const QString line = QStringLiteral("%1 (%2)").arg(kind, verdictName(m_report.verdict));
    // A camera that refuses the initial white balance ends the run without a box.
    return fail(status, m_report.message.isEmpty()
                            ? line
                            : QStringLiteral("%1: %2").arg(line, m_report.message.simplified()));
}

void CalibrateCommand::calibrate() {
    const IdentityCheck check = CheckCameraIdentity();
    if (check.failedMessage != 0) {
        m_report.verdict = check.failedMessage <= DeviceNotDetectedMessage
                               ? Verdict::CameraNotFound
                               : Verdict::IdentityFailed;
        m_report.message = loadString(check.failedMessage);
        if (check.needsRelease()) {
            VX3_UnmountCamera();
        }
        return;
    }
    m_report.sensor = SensorModel;
    RegisterAccess registers;
    SendSensorSetup(registers);
    m_report.identity = DeviceInformationText().split(u'\n', Qt::SkipEmptyParts);

    HeadlessFrontEnd frontEnd(m_options.panel, m_progress);
    ColourCalibration calibration(frontEnd, registers);
    frontEnd.setCalibration(calibration);
    // The same record of the run as the tool keeps for the technician's own runs.
    frontEnd.onRunFinished = [](const CalibrationResult& result) {
        CalibrationHistory(ApplicationDirectory).AppendOrReport(result, SensorModel);
    };
    // Kept as they come, so that a run the camera cuts short still reports its passes.
    frontEnd.onPass = [this](const CalibrationPass& pass) {
        m_report.result.passes.push_back(pass);
        m_report.result.finalGains = pass.gains;
    };
    try {
        m_report.result = m_options.procedure == CalibrationProcedure::Manual
                              ? calibration.GetManualAdjValues()
                              : calibration.GetAutoAdjValues();
        m_report.verdict = verdictOf(m_report.result.verdict);
        if (m_report.verdict != Verdict::Passed) {
            m_report.message =
                m_report.messages.empty() ? QString() : m_report.messages.back().first;
        }
        // The automatic procedure reads no frame, so a camera pulled during it shows only here.
        if (VX3_IsConnectUsb() == 0) {
            throw CameraLost{loadString(DeviceNotDetectedMessage)};
        }
    } catch (const CameraLost& lost) {
        m_report.verdict = Verdict::CameraLost;
        m_report.message = lost.message;
    }
    if (VX3_LV_IsMovieRunning() != 0) {
        VX3_LV_StopMovie();
    }
    VX3_UnmountCamera();
}

bool CalibrateCommand::writeOutputs(QString& error) {
    if (!m_options.trace.isEmpty() && !ReplaceFileContents(m_options.trace, TraceCsv(m_report))) {
        error = QStringLiteral("cannot write the trace %1").arg(m_options.trace);
        return false;
    }
    if (!m_options.plot.isEmpty()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!DrawTracePlot(m_report).save(&buffer, "PNG") ||
            !ReplaceFileContents(m_options.plot, png)) {
            error = QStringLiteral("cannot write the plot %1").arg(m_options.plot);
            return false;
        }
    }
    if (!m_options.writeSettings.isEmpty() && m_report.verdict == Verdict::Passed) {
        return StoreWhiteBalance(m_options.writeSettings, m_report.result.finalGains.blue,
                                 m_report.result.finalGains.red, error);
    }
    return true;
}

} // namespace halvex
