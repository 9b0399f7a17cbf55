// The camera start-up sequence: each step as the sensor's state requires it, with its progress.
#include "calibration/CameraStartup.h"

#include "app/CameraDataDialog.h"
#include "calibration/BlockingSequence.h"
#include "calibration/SensorKind.h"
#include "calibration/StatusDisplay.h"
#include "camera/RegisterCommand.h"
#include "framework/DialogService.h"
#include "framework/TextNumbers.h"
#include "framework/TimeSource.h"
#include "settings/SettingsStore.h"

#include <array>

namespace halvex {
namespace {

const QString kInitializing = QStringLiteral("Initializing");

constexpr int kMatchesNeeded = 5;
constexpr std::int64_t kWhiteBalanceGiveUpSeconds = 45;
constexpr int kWhiteBalancePassMs = 1000;
constexpr int kWhiteBalancePassProgress = 4;
// The bar's place after a read-back that differed from what was written.
constexpr int kWhiteBalanceMismatchBar = 21;

// One stored register command, in sending order, with the progress shown after it on each sensor
// (0: none; a negative step: the command is not sent to that sensor).
struct StoredCommand {
    const char* section; // the OV7610's section; the OV7620's ends in "2"
    const char* key;
    int progress7610;
    int progress7620;
};
constexpr int kNotSent = -1;
constexpr std::array kStoredCommands{
    StoredCommand{"Gamma", "Gamma1", 0, 0},
    StoredCommand{"Gamma", "Gamma2", 10, 10},
    StoredCommand{"Gamma", "Gamma3", 0, 0},
    StoredCommand{"Saturation", "Saturation", 5, 5},
    StoredCommand{"Contrast", "Contrast", 5, 5},
    StoredCommand{"Brightness", "Brightness", 5, 5},
    StoredCommand{"ColorBias", "Blue", 5, 5},
    StoredCommand{"ColorBias", "Red", 5, 5},
    StoredCommand{"SuperGain", "Gain", 5, 5},
    StoredCommand{"AWBSpeed", "AWBSpeed", 5, 5},
    StoredCommand{"AECSpeed", "AECSpeed", 5, 10},
    StoredCommand{"ALCSpeed", "ALCSpeed", 5, kNotSent},
};

QString sectionOf(const char* section, SensorKind sensor) {
    const QString name = QString::fromLatin1(section);
    return sensor == SensorKind::OV7620 ? name + QLatin1Char('2') : name;
}

QString stored(const char* section, const char* key, SensorKind sensor) {
    return settingsStore().value(sectionOf(section, sensor), QString::fromLatin1(key));
}

// The register that reports whether the white balance is automatic (0: manual).
QString whiteBalanceModeQuery(SensorKind sensor) {
    return sensor == SensorKind::OV7610 ? QStringLiteral("12,04,00") : QStringLiteral("12,DF,00");
}

void applyStoredSettings(CameraDataDialog& window, SensorKind sensor) {
    for (const StoredCommand& command : kStoredCommands) {
        const int progress =
            sensor == SensorKind::OV7610 ? command.progress7610 : command.progress7620;
        if (progress == kNotSent) {
            continue;
        }
        window.m_registerAccess.SetRegister(stored(command.section, command.key, sensor));
        if (progress > 0) {
            StatusDisplay::AdvanceProgress(window, progress, kInitializing);
        }
    }
    const int framesPerSecond = leadingInteger(stored("FrameSpeed", "FrameSpeed", sensor));
    VX3_LV_SetFrameRate(static_cast<std::uint16_t>(framesPerSecond));
}

} // namespace

void CameraStartup::RunCameraStartup() {
    const BlockingSequence blocking(m_window);
    const SensorKind sensor = CurrentSensorKind();
    RegisterAccess& registers = m_window.m_registerAccess;

    registers.SetRegister(QStringLiteral("13,01,01"));
    if (sensor != SensorKind::Other) {
        registers.SetRegister(QStringLiteral("12,04,00"));
    }
    StatusDisplay::AdvanceProgress(m_window, 5, kInitializing);
    LoadStoredWhiteBalance(true);
    StatusDisplay::AdvanceProgress(m_window, 5, kInitializing);
    VX3_WB_SetWbVal(&m_window.m_wbValue);
    StatusDisplay::AdvanceProgress(m_window, 5, kInitializing);

    if (sensor != SensorKind::Other && registers.GetRegister(whiteBalanceModeQuery(sensor)) == 0) {
        InitWhiteBalance();
    }
    registers.SetRegister(sensor == SensorKind::OV7610 ? QStringLiteral("14,04,04")
                                                       : QStringLiteral("14,84,84"));
    if (sensor == SensorKind::OV7610) {
        ApplyStoredSettings7610();
    } else if (sensor == SensorKind::OV7620) {
        ApplyStoredSettings7620();
    }
    const bool autoExposure =
        settingsStore().value(u"CaptureScreenParameter", u"AutoExposure") == QLatin1String("ON");
    registers.SetRegister(autoExposure ? QStringLiteral("28,10,00") : QStringLiteral("28,10,10"));

    m_window.m_strStatus.clear();
    StatusDisplay::SetBar(m_window, 0);
    StatusDisplay::Refresh(m_window);
}

bool CameraStartup::LoadStoredWhiteBalance(bool withProgress) {
    const SensorKind sensor = CurrentSensorKind();
    if (sensor == SensorKind::Other) {
        return false;
    }
    m_window.m_wbValue.blue =
        static_cast<std::uint16_t>(parseHex(stored("WhiteBalance", "Blue", sensor)));
    if (withProgress) {
        StatusDisplay::AdvanceProgress(m_window, 5, kInitializing);
    }
    m_window.m_wbValue.red =
        static_cast<std::uint16_t>(parseHex(stored("WhiteBalance", "Red", sensor)));
    return true;
}

void CameraStartup::InitWhiteBalance() {
    TimeSource& time = timeSource();
    const std::int64_t start = time.wallClockSeconds();
    const WhiteBalanceValue target = m_window.m_wbValue;
    int matches = 0;
    for (;;) {
        VX3_WB_GetWbVal(&m_window.m_wbValue);
        if (m_window.m_wbValue.blue == target.blue && m_window.m_wbValue.red == target.red) {
            ++matches;
        } else {
            m_window.m_strStatus = QStringLiteral("Initializing  21%");
            StatusDisplay::SetBar(m_window, kWhiteBalanceMismatchBar);
            StatusDisplay::Refresh(m_window);
            matches = 0;
        }
        LoadStoredWhiteBalance(false);
        VX3_WB_SetWbVal(&m_window.m_wbValue);
        const std::int64_t elapsed = time.wallClockSeconds() - start;
        BlockingSequence::Pause(kWhiteBalancePassMs);
        StatusDisplay::AdvanceProgress(m_window, kWhiteBalancePassProgress, kInitializing);
        if (elapsed >= kWhiteBalanceGiveUpSeconds) {
            MessageRequest warning;
            warning.text = QStringLiteral(" WhiteBalance Initialization error! \n Please push READ "
                                          "button and check the value.");
            warning.caption = QStringLiteral("Error");
            warning.icon = MessageIcon::Warning;
            warning.modality = Modality::System;
            BlockingSequence::ShowMessage(warning, &m_window);
            m_window.SetPage1WhiteBalanceTexts(QString::asprintf("%d", m_window.m_wbValue.blue),
                                               QString::asprintf("%d", m_window.m_wbValue.red));
            StatusDisplay::Refresh(m_window);
            return;
        }
        if (matches >= kMatchesNeeded) {
            return;
        }
    }
}

void CameraStartup::ApplyStoredSettings7610() {
    applyStoredSettings(m_window, SensorKind::OV7610);
}

void CameraStartup::ApplyStoredSettings7620() {
    applyStoredSettings(m_window, SensorKind::OV7620);
}

} // namespace halvex
