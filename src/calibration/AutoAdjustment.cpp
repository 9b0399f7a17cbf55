// The automatic adjustment procedure, step by step.
#include "calibration/AutoAdjustment.h"

#include "app/CameraDataDialog.h"
#include "calibration/BlockingSequence.h"
#include "calibration/SensorKind.h"
#include "calibration/StatusDisplay.h"
#include "camera/RegisterCommand.h"
#include "framework/DialogService.h"
#include "framework/TextNumbers.h"
#include "framework/TimeSource.h"

namespace halvex {
namespace {

constexpr int kReadingIntervalMs = 2000;
constexpr std::uint32_t kTimeoutMs = 100'000;
// Repeats of the previous reading that make the balance stable (three equal readings).
constexpr int kRepeatsNeeded = 2;
constexpr int kBarPerRepeat = 20;

QString twoDigitHex(std::uint16_t value) {
    return ToTwoDigits(QString::number(value, 16));
}

} // namespace

void AutoAdjustment::GetAutoAdjValues() {
    const BlockingSequence blocking(m_window);
    m_window.SetBusy(true);
    m_window.updateData(true);
    if (VX3_LV_IsMovieRunning() == 0) {
        m_window.StartLiveView();
    }
    m_window.m_strStatus = QStringLiteral("Stabilizing...");
    const SensorKind sensor = CurrentSensorKind();
    if (sensor == SensorKind::OV7610) {
        m_window.m_registerAccess.SetRegister(QStringLiteral("12,04,04"));
    } else if (sensor == SensorKind::OV7620) {
        m_window.m_registerAccess.SetRegister(QStringLiteral("12,DF,04"));
    }
    StatusDisplay::Refresh(m_window);

    if (WaitForStableBalance()) {
        CheckAutoRange();
    }

    ShowAdjustmentValues();
    if (sensor != SensorKind::Other) {
        m_window.m_registerAccess.SetRegister(QStringLiteral("12,04,00"));
    }
    m_window.m_strStatus = QStringLiteral("Live image display");
    StatusDisplay::SetBar(m_window, 0);
    UppercaseHexValues();
    m_window.GetRGB();
    StatusDisplay::Refresh(m_window);
    m_window.SetBusy(false);
}

bool AutoAdjustment::WaitForStableBalance() {
    WhiteBalanceValue& balance = m_window.m_wbValue;
    balance.blue = static_cast<std::uint16_t>(leadingInteger(m_window.m_strRangeInitialBlue));
    balance.red = static_cast<std::uint16_t>(leadingInteger(m_window.m_strRangeInitialRed));
    if (VX3_WB_SetWbVal(&balance) == 0) {
        return false;
    }
    BlockingSequence::Pause(kReadingIntervalMs);
    const std::uint32_t t0 = timeSource().tickCount();

    int stable = 0;
    WhiteBalanceValue previous{0, 0};
    do {
        VX3_WB_GetWbVal(&balance);
        if (balance.blue == previous.blue && balance.red == previous.red) {
            ++stable;
            StatusDisplay::SetBar(m_window, kBarPerRepeat * stable);
        } else {
            stable = 0;
        }
        previous = balance;
        if (timeSource().tickCount() - t0 >= kTimeoutMs) {
            stable = kRepeatsNeeded;
            const MessageResult answer = BlockingSequence::ShowMessage(
                20, MessageButtons::RetryCancel, MessageIcon::Stop, Modality::System, &m_window);
            if (answer != MessageResult::Retry || !WaitForStableBalance()) {
                return false;
            }
        }
        BlockingSequence::Pause(kReadingIntervalMs);
    } while (stable < kRepeatsNeeded);
    return true;
}

bool AutoAdjustment::CheckAutoRange() {
    const int blue = m_window.m_wbValue.blue;
    const int red = m_window.m_wbValue.red;
    const bool blueInRange = leadingInteger(m_window.m_strBlueMin) <= blue &&
                             blue <= leadingInteger(m_window.m_strBlueMax);
    const bool redInRange =
        leadingInteger(m_window.m_strRedMin) <= red && red <= leadingInteger(m_window.m_strRedMax);
    if (blueInRange && redInRange) {
        return true;
    }
    const MessageResult answer = BlockingSequence::ShowMessage(
        21, MessageButtons::RetryCancel, MessageIcon::Stop, Modality::System, &m_window);
    if (answer != MessageResult::Retry) {
        return false;
    }
    GetAutoAdjValues();
    return true;
}

void AutoAdjustment::ShowAdjustmentValues() {
    VX3_WB_GetWbVal(&m_window.m_wbValue);
    m_window.m_strBlueDec = QString::asprintf("%d", m_window.m_wbValue.blue);
    m_window.m_strBlueHex = twoDigitHex(m_window.m_wbValue.blue);
    m_window.m_strRedDec = QString::asprintf("%d", m_window.m_wbValue.red);
    m_window.m_strRedHex = twoDigitHex(m_window.m_wbValue.red);
    StatusDisplay::Refresh(m_window);
}

void AutoAdjustment::UppercaseHexValues() {
    m_window.m_strBlueHex = m_window.m_strBlueHex.toUpper();
    m_window.m_strRedHex = m_window.m_strRedHex.toUpper();
}

} // namespace halvex
