// The manual adjustment procedure and the single measurement, step by step.
#include "calibration/ManualAdjustment.h"

#include "app/CameraDataDialog.h"
#include "calibration/AutoAdjustment.h"
#include "calibration/BlockingSequence.h"
#include "calibration/SensorKind.h"
#include "calibration/StatusDisplay.h"
#include "framework/DialogService.h"
#include "framework/TextNumbers.h"
#include "framework/TimeSource.h"

#include <QWindow>
#include <cmath>

namespace halvex {
namespace {

constexpr int kSettleMs = 3000;
constexpr int kPassMs = 1000;
constexpr std::uint32_t kTimeoutMs = 100'000;
constexpr int kToleranceCriterion = 0;
constexpr int kRatioCriterion = 1;

// One gain moved toward green: up when the channel is darker, down (never to 0) when brighter.
void stepGain(std::uint16_t& gain, std::uint8_t channel, std::uint8_t green) {
    const int step = AdjustStep(green, channel);
    if (channel < green) {
        gain = static_cast<std::uint16_t>(gain + step);
    } else if (channel > green && gain > step) {
        gain = static_cast<std::uint16_t>(gain - step);
    }
}

bool withinTolerance(std::uint8_t channel, std::uint8_t green, int tolerance) {
    return green - tolerance <= channel && channel <= green + tolerance;
}

} // namespace

void ManualAdjustment::GetManualAdjValues() {
    const BlockingSequence blocking(m_window);
    SetTopmost(true);
    if (VX3_LV_IsMovieRunning() == 0) {
        m_window.StartLiveView();
    }
    m_window.SetBusy(true);
    m_window.updateData(true);
    if (CurrentSensorKind() != SensorKind::Other) {
        m_window.m_registerAccess.SetRegister(QStringLiteral("12,04,00"));
    }
    WhiteBalanceValue& balance = m_window.m_wbValue;
    balance.blue = static_cast<std::uint16_t>(leadingInteger(m_window.m_strInitialBlue));
    balance.red = static_cast<std::uint16_t>(leadingInteger(m_window.m_strInitialRed));
    VX3_WB_SetWbVal(&balance);
    BlockingSequence::Pause(kSettleMs);

    ShowZone1Only();
    m_window.DrawFrame();
    StatusDisplay::Refresh(m_window);

    const std::uint32_t t0 = timeSource().tickCount();
    bool done = false;
    ColourRatios ratios;
    for (;;) {
        m_window.DrawFrame();
        const ZoneAverages measured = MeasureZone();
        const int greenMax = leadingInteger(m_window.m_strGreenMax) & 0xFF;
        const int greenMin = leadingInteger(m_window.m_strGreenMin) & 0xFF;
        if (measured.green > greenMax || measured.green < greenMin) {
            dialogService().beep();
            BlockingSequence::ShowMessage(24, MessageButtons::Ok, MessageIcon::Stop,
                                          Modality::Application, &m_window);
            break;
        }

        VX3_WB_GetWbVal(&balance);
        stepGain(balance.red, measured.red, measured.green);
        stepGain(balance.blue, measured.blue, measured.green);
        if (m_window.m_nAdjustState == kToleranceCriterion) {
            const int tolerance = leadingInteger(m_window.m_strTolerance);
            done = withinTolerance(measured.red, measured.green, tolerance) &&
                   withinTolerance(measured.blue, measured.green, tolerance);
        }
        VX3_WB_SetWbVal(&balance);
        BlockingSequence::Pause(kPassMs);

        if (timeSource().tickCount() - t0 >= kTimeoutMs) {
            done = true;
            if (m_window.m_bAutoRatioCheck != 0) {
                m_window.m_nAdjustState = kRatioCriterion;
                Restart();
            } else {
                dialogService().beep();
                const MessageResult answer =
                    BlockingSequence::ShowMessage(20, MessageButtons::RetryCancel,
                                                  MessageIcon::None, Modality::System, &m_window);
                if (answer == MessageResult::Retry) {
                    Restart();
                }
            }
        }

        UpdateRatios(measured, ratios);
        if (m_window.m_nAdjustState == kRatioCriterion) {
            const RatioLimits limits = Limits();
            if (RatiosInLimits(ratios, limits) == 0) {
                BlockingSequence::ShowMessage(26, MessageButtons::Ok, MessageIcon::Stop,
                                              Modality::Application, &m_window);
                break;
            }
            if (RatiosStrictlyInside(ratios, limits)) {
                break;
            }
        }

        m_window.m_strMessage = ColourMessage(measured, ratios);
        const float p = MatchPercentage(measured);
        m_window.m_strStatus = QString::asprintf("Processing... %1.2f%%", static_cast<double>(p));
        AutoAdjustment(m_window).ShowAdjustmentValues();
        StatusDisplay::SetBar(m_window, static_cast<int>(std::trunc(p)));
        if (done) {
            break;
        }
    }

    m_window.GetRGB();
    AutoAdjustment(m_window).UppercaseHexValues();
    StatusDisplay::SetBar(m_window, 0);
    m_window.m_strStatus = QStringLiteral("Live image display");
    m_window.m_nAdjustState = kToleranceCriterion;
    SetTopmost(false);
    m_window.SetBusy(false);
    StatusDisplay::Refresh(m_window);
}

void ManualAdjustment::Restart() {
    VX3_WB_GetWbVal(&m_window.m_wbValue);
    m_window.m_strInitialBlue = QString::asprintf("%d", m_window.m_wbValue.blue);
    m_window.m_strInitialRed = QString::asprintf("%d", m_window.m_wbValue.red);
    StatusDisplay::Refresh(m_window);
    GetManualAdjValues();
}

void ManualAdjustment::GetRGB() {
    ShowZone1Only();
    const ZoneAverages measured = MeasureZone();
    ColourRatios ratios;
    UpdateRatios(measured, ratios);
    m_window.m_strMessage = ColourMessage(measured, ratios);
    m_window.m_strStatus = QStringLiteral("Live image display");
    StatusDisplay::Refresh(m_window);
}

ZoneAverages ManualAdjustment::MeasureZone() const {
    return halvex::MeasureZone(m_window.LiveImage());
}

void ManualAdjustment::ShowZone1Only() {
    m_window.m_bOverlayOn = 1;
    m_window.m_bZone1FieldDisplay = 1;
    m_window.m_bCrossHairs = 0;
    m_window.m_bConcentricCircles = 0;
    m_window.m_bFieldDisplay = 0;
}

RatioLimits ManualAdjustment::Limits() const {
    return {m_window.m_fRatioRbMin, m_window.m_fRatioRbMax, m_window.m_fRatioBgMin,
            m_window.m_fRatioBgMax, m_window.m_fRatioRgMin, m_window.m_fRatioRgMax};
}

void ManualAdjustment::SetTopmost(bool topmost) {
    // Set on the window itself: changing the widget's flags would hide and re-create it.
    if (QWindow* handle = m_window.windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    }
}

} // namespace halvex
