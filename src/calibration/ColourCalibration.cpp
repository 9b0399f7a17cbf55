// The calibration component: the start-up sequence and the procedures, step by step, talking to
// their front end.
#include "calibration/ColourCalibration.h"

#include "calibration/SensorKind.h"
#include "camera/RegisterCommand.h"
#include "framework/TextNumbers.h"
#include "framework/TimeSource.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <array>
#include <cmath>
#include <utility>

namespace halvex {
namespace {

const QString kInitializing = QStringLiteral("Initializing");
const QString kLiveImage = QStringLiteral("Live image display");

// Start-up: the white-balance check.
constexpr int kMatchesNeeded = 5;
constexpr std::int64_t kWhiteBalanceGiveUpSeconds = 45;
constexpr int kWhiteBalancePassMs = 1000;
constexpr int kWhiteBalancePassProgress = 4;
// The bar's place after a read-back that differed from what was written.
constexpr int kWhiteBalanceMismatchBar = 21;

// Automatic adjustment.
constexpr int kReadingIntervalMs = 2000;
constexpr std::uint32_t kAutoTimeoutMs = 100'000;
// Repeats of the previous reading that make the balance stable (three equal readings).
constexpr int kRepeatsNeeded = 2;
constexpr int kBarPerRepeat = 20;

// Manual adjustment.
constexpr int kSettleMs = 3000;
constexpr int kPassMs = 1000;
constexpr std::uint32_t kManualTimeoutMs = 100'000;
constexpr int kToleranceCriterion = 0;
constexpr int kRatioCriterion = 1;

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

MessageRequest stringMessage(int stringId, MessageButtons buttons, MessageIcon icon,
                             Modality modality) {
    MessageRequest request;
    request.text = loadString(stringId);
    request.buttons = buttons;
    request.icon = icon;
    request.modality = modality;
    return request;
}

QString twoDigitHex(std::uint16_t value) {
    return ToTwoDigits(QString::number(value, 16));
}

QString decimal(int value) {
    return QString::asprintf("%d", value);
}

std::uint16_t gain(const QString& text) {
    return static_cast<std::uint16_t>(leadingInteger(text));
}

// One gain moved toward green: up when the channel is darker, down (never to 0) when brighter.
void stepGain(std::uint16_t& value, std::uint8_t channel, std::uint8_t green) {
    const int step = AdjustStep(green, channel);
    if (channel < green) {
        value = static_cast<std::uint16_t>(value + step);
    } else if (channel > green && value > step) {
        value = static_cast<std::uint16_t>(value - step);
    }
}

// Ends the run's record also when a front end abandons the run by an exception.
class RunScope {
public:
    explicit RunScope(std::optional<CalibrationResult>& run) : m_run(run) {}
    ~RunScope() { m_run.reset(); }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    std::optional<CalibrationResult>& m_run;
};

bool withinTolerance(std::uint8_t channel, std::uint8_t green, int tolerance) {
    return green - tolerance <= channel && channel <= green + tolerance;
}

} // namespace

void ColourCalibration::AdvanceProgress(int step, const QString& text) {
    m_frontEnd.setBarPosition(m_frontEnd.barPosition() + step);
    const int position = m_frontEnd.barPosition();
    m_frontEnd.setStatusText(text + QString::asprintf("  %d%%", position));
    if (position == 100) {
        m_frontEnd.setStatusText(QString());
        m_frontEnd.setBarPosition(0);
    }
    m_frontEnd.refresh();
}

void ColourCalibration::RunCameraStartup() {
    const SensorKind sensor = CurrentSensorKind();
    m_registers.SetRegister(QStringLiteral("13,01,01"));
    if (sensor != SensorKind::Other) {
        m_registers.SetRegister(QStringLiteral("12,04,00"));
    }
    AdvanceProgress(5, kInitializing);
    LoadStoredWhiteBalance(true);
    AdvanceProgress(5, kInitializing);
    VX3_WB_SetWbVal(&m_wbValue);
    AdvanceProgress(5, kInitializing);

    if (sensor != SensorKind::Other &&
        m_registers.GetRegister(whiteBalanceModeQuery(sensor)) == 0) {
        InitWhiteBalance();
    }
    m_registers.SetRegister(sensor == SensorKind::OV7610 ? QStringLiteral("14,04,04")
                                                         : QStringLiteral("14,84,84"));
    if (sensor != SensorKind::Other) {
        ApplyStoredSettings();
    }
    const bool autoExposure =
        settingsStore().value(u"CaptureScreenParameter", u"AutoExposure") == QLatin1String("ON");
    m_registers.SetRegister(autoExposure ? QStringLiteral("28,10,00") : QStringLiteral("28,10,10"));

    m_frontEnd.setStatusText(QString());
    m_frontEnd.setBarPosition(0);
    m_frontEnd.refresh();
}

bool ColourCalibration::LoadStoredWhiteBalance(bool withProgress) {
    const SensorKind sensor = CurrentSensorKind();
    if (sensor == SensorKind::Other) {
        return false;
    }
    m_wbValue.blue = static_cast<std::uint16_t>(parseHex(stored("WhiteBalance", "Blue", sensor)));
    if (withProgress) {
        AdvanceProgress(5, kInitializing);
    }
    m_wbValue.red = static_cast<std::uint16_t>(parseHex(stored("WhiteBalance", "Red", sensor)));
    return true;
}

void ColourCalibration::InitWhiteBalance() {
    TimeSource& time = timeSource();
    const std::int64_t start = time.wallClockSeconds();
    const WhiteBalanceValue target = m_wbValue;
    int matches = 0;
    for (;;) {
        VX3_WB_GetWbVal(&m_wbValue);
        if (m_wbValue.blue == target.blue && m_wbValue.red == target.red) {
            ++matches;
        } else {
            m_frontEnd.setStatusText(QStringLiteral("Initializing  21%"));
            m_frontEnd.setBarPosition(kWhiteBalanceMismatchBar);
            m_frontEnd.refresh();
            matches = 0;
        }
        LoadStoredWhiteBalance(false);
        VX3_WB_SetWbVal(&m_wbValue);
        const std::int64_t elapsed = time.wallClockSeconds() - start;
        m_frontEnd.pause(kWhiteBalancePassMs);
        AdvanceProgress(kWhiteBalancePassProgress, kInitializing);
        if (elapsed >= kWhiteBalanceGiveUpSeconds) {
            MessageRequest warning;
            warning.text = QStringLiteral(" WhiteBalance Initialization error! \n Please push READ "
                                          "button and check the value.");
            warning.caption = QStringLiteral("Error");
            warning.icon = MessageIcon::Warning;
            warning.modality = Modality::System;
            m_frontEnd.messageBox(warning);
            m_frontEnd.setStoredWhiteBalanceTexts(decimal(m_wbValue.blue), decimal(m_wbValue.red));
            m_frontEnd.refresh();
            return;
        }
        if (matches >= kMatchesNeeded) {
            return;
        }
    }
}

void ColourCalibration::ApplyStoredSettings() {
    const SensorKind sensor = CurrentSensorKind();
    for (const StoredCommand& command : kStoredCommands) {
        const int progress =
            sensor == SensorKind::OV7610 ? command.progress7610 : command.progress7620;
        if (progress == kNotSent) {
            continue;
        }
        m_registers.SetRegister(stored(command.section, command.key, sensor));
        if (progress > 0) {
            AdvanceProgress(progress, kInitializing);
        }
    }
    const int framesPerSecond = leadingInteger(stored("FrameSpeed", "FrameSpeed", sensor));
    VX3_LV_SetFrameRate(static_cast<std::uint16_t>(framesPerSecond));
}

bool ColourCalibration::BeginRun(CalibrationProcedure procedure) {
    if (m_run) {
        return false;
    }
    m_run.emplace();
    m_run->procedure = procedure;
    m_run->startedAt = timeSource().wallClockSeconds();
    m_runStartTick = timeSource().tickCount();
    m_initialGainsTaken = false;
    return true;
}

void ColourCalibration::TakeInitialGains(WhiteBalanceValue gains) {
    if (!std::exchange(m_initialGainsTaken, true)) {
        m_run->initialGains = gains;
    }
}

CalibrationResult ColourCalibration::EndRun(CalibrationVerdict verdict) {
    CalibrationResult result = std::move(*m_run);
    m_run.reset();
    result.verdict = verdict;
    result.finalGains = m_wbValue;
    m_frontEnd.runFinished(result);
    return result;
}

void ColourCalibration::Record(CalibrationPass pass) {
    pass.number = static_cast<int>(m_run->passes.size()) + 1;
    pass.elapsedMs = timeSource().tickCount() - m_runStartTick;
    m_run->passes.push_back(pass);
    m_frontEnd.passRecorded(pass);
}

CalibrationResult ColourCalibration::Run(CalibrationProcedure procedure,
                                         CalibrationVerdict (ColourCalibration::*steps)()) {
    if (!BeginRun(procedure)) {
        (this->*steps)();
        return {};
    }
    const RunScope scope(m_run);
    return EndRun((this->*steps)());
}

CalibrationResult ColourCalibration::GetAutoAdjValues() {
    return Run(CalibrationProcedure::Automatic, &ColourCalibration::RunAutomatic);
}

CalibrationVerdict ColourCalibration::RunAutomatic() {
    m_frontEnd.setBusy(true);
    TakePanelValues();
    TakeInitialGains({gain(m_panel.rangeInitialBlue), gain(m_panel.rangeInitialRed)});
    if (VX3_LV_IsMovieRunning() == 0) {
        m_frontEnd.startLiveView();
    }
    m_frontEnd.setStatusText(QStringLiteral("Stabilizing..."));
    const SensorKind sensor = CurrentSensorKind();
    if (sensor == SensorKind::OV7610) {
        m_registers.SetRegister(QStringLiteral("12,04,04"));
    } else if (sensor == SensorKind::OV7620) {
        m_registers.SetRegister(QStringLiteral("12,DF,04"));
    }
    m_frontEnd.refresh();

    CalibrationVerdict verdict = CalibrationVerdict::Pass;
    if (WaitForStableBalance(verdict)) {
        CheckAutoRange(verdict);
    }

    ShowAdjustmentValues();
    if (sensor != SensorKind::Other) {
        m_registers.SetRegister(QStringLiteral("12,04,00"));
    }
    m_frontEnd.setStatusText(kLiveImage);
    m_frontEnd.setBarPosition(0);
    UppercaseHexValues();
    GetRGB();
    m_frontEnd.refresh();
    m_frontEnd.setBusy(false);
    return verdict;
}

bool ColourCalibration::WaitForStableBalance(CalibrationVerdict& verdict) {
    m_wbValue.blue = gain(m_panel.rangeInitialBlue);
    m_wbValue.red = gain(m_panel.rangeInitialRed);
    if (VX3_WB_SetWbVal(&m_wbValue) == 0) {
        verdict = CalibrationVerdict::InitialValuesRefused;
        return false;
    }
    m_frontEnd.pause(kReadingIntervalMs);
    const std::uint32_t t0 = timeSource().tickCount();

    int stable = 0;
    WhiteBalanceValue previous{0, 0};
    do {
        VX3_WB_GetWbVal(&m_wbValue);
        CalibrationPass reading;
        reading.gains = m_wbValue;
        Record(reading);
        if (m_wbValue.blue == previous.blue && m_wbValue.red == previous.red) {
            ++stable;
            m_frontEnd.setBarPosition(kBarPerRepeat * stable);
        } else {
            stable = 0;
        }
        previous = m_wbValue;
        if (timeSource().tickCount() - t0 >= kAutoTimeoutMs) {
            stable = kRepeatsNeeded;
            const MessageResult answer = m_frontEnd.messageBox(stringMessage(
                20, MessageButtons::RetryCancel, MessageIcon::Stop, Modality::System));
            if (answer != MessageResult::Retry) {
                verdict = CalibrationVerdict::TimedOut;
                return false;
            }
            if (!WaitForStableBalance(verdict)) {
                return false;
            }
        }
        m_frontEnd.pause(kReadingIntervalMs);
    } while (stable < kRepeatsNeeded);
    return true;
}

bool ColourCalibration::CheckAutoRange(CalibrationVerdict& verdict) {
    const int blue = m_wbValue.blue;
    const int red = m_wbValue.red;
    const bool blueInRange =
        leadingInteger(m_panel.blueMin) <= blue && blue <= leadingInteger(m_panel.blueMax);
    const bool redInRange =
        leadingInteger(m_panel.redMin) <= red && red <= leadingInteger(m_panel.redMax);
    if (blueInRange && redInRange) {
        return true;
    }
    const MessageResult answer = m_frontEnd.messageBox(
        stringMessage(21, MessageButtons::RetryCancel, MessageIcon::Stop, Modality::System));
    if (answer != MessageResult::Retry) {
        verdict = CalibrationVerdict::OutOfRange;
        return false;
    }
    verdict = RunAutomatic();
    return true;
}

void ColourCalibration::ShowAdjustmentValues() {
    VX3_WB_GetWbVal(&m_wbValue);
    m_adjustment = {decimal(m_wbValue.blue), twoDigitHex(m_wbValue.blue), decimal(m_wbValue.red),
                    twoDigitHex(m_wbValue.red)};
    m_frontEnd.setAdjustmentValues(m_adjustment);
    m_frontEnd.refresh();
}

void ColourCalibration::TakePanelValues() {
    m_panel = m_frontEnd.takePanelValues();
    m_adjustment = m_panel.adjustment;
}

void ColourCalibration::UppercaseHexValues() {
    m_adjustment.blueHex = m_adjustment.blueHex.toUpper();
    m_adjustment.redHex = m_adjustment.redHex.toUpper();
    m_frontEnd.setAdjustmentValues(m_adjustment);
}

CalibrationResult ColourCalibration::GetManualAdjValues() {
    return Run(CalibrationProcedure::Manual, &ColourCalibration::RunManual);
}

CalibrationVerdict ColourCalibration::RunManual() {
    m_frontEnd.setTopmost(true);
    if (VX3_LV_IsMovieRunning() == 0) {
        m_frontEnd.startLiveView();
    }
    m_frontEnd.setBusy(true);
    TakePanelValues();
    if (CurrentSensorKind() != SensorKind::Other) {
        m_registers.SetRegister(QStringLiteral("12,04,00"));
    }
    m_wbValue.blue = gain(m_panel.initialBlue);
    m_wbValue.red = gain(m_panel.initialRed);
    TakeInitialGains(m_wbValue);
    VX3_WB_SetWbVal(&m_wbValue);
    m_frontEnd.pause(kSettleMs);

    m_frontEnd.showZone1Overlay();
    m_frontEnd.drawFrame();
    m_frontEnd.refresh();

    const std::uint32_t t0 = timeSource().tickCount();
    bool done = false;
    CalibrationVerdict verdict = CalibrationVerdict::Pass;
    ColourRatios ratios;
    for (;;) {
        m_frontEnd.drawFrame();
        const ZoneAverages measured = MeasureZone(m_frontEnd.liveImage());
        const int greenMax = leadingInteger(m_panel.greenMax) & 0xFF;
        const int greenMin = leadingInteger(m_panel.greenMin) & 0xFF;
        if (measured.green > greenMax || measured.green < greenMin) {
            m_frontEnd.beep();
            m_frontEnd.messageBox(
                stringMessage(24, MessageButtons::Ok, MessageIcon::Stop, Modality::Application));
            verdict = CalibrationVerdict::GreenOutOfLimits;
            CalibrationPass pass;
            pass.averages = measured;
            pass.gains = m_wbValue;
            pass.matchPercentage = MatchPercentage(measured);
            pass.ratios = ratios;
            Record(pass);
            break;
        }

        VX3_WB_GetWbVal(&m_wbValue);
        stepGain(m_wbValue.red, measured.red, measured.green);
        stepGain(m_wbValue.blue, measured.blue, measured.green);
        if (m_nAdjustState == kToleranceCriterion) {
            const int tolerance = leadingInteger(m_panel.tolerance);
            done = withinTolerance(measured.red, measured.green, tolerance) &&
                   withinTolerance(measured.blue, measured.green, tolerance);
        }
        VX3_WB_SetWbVal(&m_wbValue);
        CalibrationPass pass;
        pass.averages = measured;
        pass.gains = m_wbValue;
        pass.matchPercentage = MatchPercentage(measured);
        m_frontEnd.pause(kPassMs);

        if (timeSource().tickCount() - t0 >= kManualTimeoutMs) {
            done = true;
            if (m_panel.autoRatioCheck) {
                m_nAdjustState = kRatioCriterion;
                verdict = RestartManual();
            } else {
                m_frontEnd.beep();
                const MessageResult answer = m_frontEnd.messageBox(stringMessage(
                    20, MessageButtons::RetryCancel, MessageIcon::None, Modality::System));
                verdict =
                    answer == MessageResult::Retry ? RestartManual() : CalibrationVerdict::TimedOut;
            }
        }

        UpdateRatios(measured, ratios);
        pass.ratios = ratios;
        Record(pass);
        if (m_nAdjustState == kRatioCriterion) {
            const RatioLimits& limits = m_panel.ratioLimits;
            if (RatiosInLimits(ratios, limits) == 0) {
                m_frontEnd.messageBox(stringMessage(26, MessageButtons::Ok, MessageIcon::Stop,
                                                    Modality::Application));
                verdict = CalibrationVerdict::RatioCheckFailed;
                break;
            }
            if (RatiosStrictlyInside(ratios, limits)) {
                verdict = CalibrationVerdict::Pass;
                break;
            }
        }

        m_frontEnd.setMeasurementText(ColourMessage(measured, ratios));
        const float p = pass.matchPercentage;
        m_frontEnd.setStatusText(
            QString::asprintf("Processing... %1.2f%%", static_cast<double>(p)));
        ShowAdjustmentValues();
        m_frontEnd.setBarPosition(static_cast<int>(std::trunc(p)));
        if (done) {
            break;
        }
    }

    GetRGB();
    UppercaseHexValues();
    m_frontEnd.setBarPosition(0);
    m_frontEnd.setStatusText(kLiveImage);
    m_nAdjustState = kToleranceCriterion;
    m_frontEnd.setTopmost(false);
    m_frontEnd.setBusy(false);
    m_frontEnd.refresh();
    return verdict;
}

CalibrationVerdict ColourCalibration::RestartManual() {
    VX3_WB_GetWbVal(&m_wbValue);
    m_frontEnd.setManualInitialValues(decimal(m_wbValue.blue), decimal(m_wbValue.red));
    m_frontEnd.refresh();
    return RunManual();
}

ZoneAverages ColourCalibration::GetRGB() {
    m_frontEnd.showZone1Overlay();
    const ZoneAverages measured = MeasureZone(m_frontEnd.liveImage());
    ColourRatios ratios;
    UpdateRatios(measured, ratios);
    m_frontEnd.setMeasurementText(ColourMessage(measured, ratios));
    m_frontEnd.setStatusText(kLiveImage);
    m_frontEnd.refresh();
    if (m_run) {
        m_run->averages = measured;
        m_run->ratios = ratios;
    }
    return measured;
}

} // namespace halvex
