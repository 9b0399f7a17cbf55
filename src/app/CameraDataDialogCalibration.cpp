// The main window's calibration: the start-up sequence before live view, the three procedures of
// the calibration panel and its edit handlers, each delegated to the calibration subject.
#include "app/CameraDataDialog.h"

#include "calibration/AutoAdjustment.h"
#include "calibration/CalibrationPanel.h"
#include "calibration/CameraStartup.h"
#include "calibration/ManualAdjustment.h"
#include "calibration/StatusDisplay.h"
#include "camerasettings/CCameraSetting1.h"

#include <array>

namespace halvex {

std::span<const MessageEntry<CameraDataDialog>> CameraDataDialog::calibrationMessageMap() {
    using E = MessageEntry<CameraDataDialog>;
    using D = CameraDataDialog;
    static constexpr std::array kMessageMap{
        E{Notify::Clicked, 1188, &D::onGetAutoAdjValues},
        E{Notify::Clicked, 1207, &D::onGetManualAdjValues},
        E{Notify::Clicked, 1222, &D::onGetRgb},
        E{Notify::EditChange, 1210, &D::onPanelValueEdited},
        E{Notify::EditUpdate, 1209, &D::onPanelValueEdited},
        E{Notify::EditUpdate, 1214, &D::onPanelValueEdited},
        E{Notify::Clicked, 1231, &D::onPanelValueEdited},
        E{Notify::EditChange, 1212, &D::onGreenLimitChanged<1212>},
        E{Notify::EditChange, 1213, &D::onGreenLimitChanged<1213>},
        E{Notify::EditChange, 1218, &D::onRatioLimitChanged<1218>},
        E{Notify::EditChange, 1219, &D::onRatioLimitChanged<1219>},
        E{Notify::EditChange, 1227, &D::onRatioLimitChanged<1227>},
        E{Notify::EditChange, 1232, &D::onRatioLimitChanged<1232>},
        E{Notify::EditChange, 1220, &D::onRatioLimitChanged<1220>},
        E{Notify::EditUpdate, 1226, &D::onPanelValueEdited},
        E{Notify::EditChange, 1226, &D::onRatioLimitChanged<1226>},
    };
    return kMessageMap;
}

void CameraDataDialog::RunCameraStartup() {
    CameraStartup(*this).RunCameraStartup();
}

void CameraDataDialog::AdvanceProgress(int step, const QString& text) {
    StatusDisplay::AdvanceProgress(*this, step, text);
}

void CameraDataDialog::GetAutoAdjValues() {
    AutoAdjustment(*this).GetAutoAdjValues();
}

void CameraDataDialog::GetManualAdjValues() {
    ManualAdjustment(*this).GetManualAdjValues();
}

void CameraDataDialog::GetRGB() {
    ManualAdjustment(*this).GetRGB();
}

void CameraDataDialog::SetPage1WhiteBalanceTexts(const QString& blue, const QString& red) {
    // The page shows them at its next refresh of its controls, not now.
    if (m_pPage1 != nullptr) {
        m_pPage1->m_strBlue = blue;
        m_pPage1->m_strRed = red;
    }
}

void CameraDataDialog::onPanelValueEdited() {
    CalibrationPanel::ValuesEdited(*this);
}

template <int Id> void CameraDataDialog::onGreenLimitChanged() {
    CalibrationPanel::GreenLimitChanged(*this, Id);
}

template <int Id> void CameraDataDialog::onRatioLimitChanged() {
    CalibrationPanel::RatioLimitChanged(*this, Id);
}

} // namespace halvex
