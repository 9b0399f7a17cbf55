// The calibration panel's edit and check-box handlers.
#include "calibration/CalibrationPanel.h"

#include "app/CameraDataDialog.h"
#include "framework/TextNumbers.h"

#include <array>

namespace halvex::CalibrationPanel {
namespace {

constexpr int kGreenLimitCeiling = 255;
constexpr float kRatioLimitCeiling = 2.0f;

template <typename T> struct PanelBox {
    int id;
    T CameraDataDialog::*member;
};

constexpr std::array kGreenLimits{
    PanelBox<QString>{1212, &CameraDataDialog::m_strGreenMax},
    PanelBox<QString>{1213, &CameraDataDialog::m_strGreenMin},
};

constexpr std::array kRatioLimits{
    PanelBox<float>{1218, &CameraDataDialog::m_fRatioRbMax},
    PanelBox<float>{1219, &CameraDataDialog::m_fRatioRbMin},
    PanelBox<float>{1226, &CameraDataDialog::m_fRatioBgMax},
    PanelBox<float>{1220, &CameraDataDialog::m_fRatioBgMin},
    PanelBox<float>{1227, &CameraDataDialog::m_fRatioRgMax},
    PanelBox<float>{1232, &CameraDataDialog::m_fRatioRgMin},
};

template <typename T, std::size_t N>
T* memberOf(CameraDataDialog& window, const std::array<PanelBox<T>, N>& boxes, int id) {
    for (const PanelBox<T>& box : boxes) {
        if (box.id == id) {
            return &(window.*box.member);
        }
    }
    return nullptr;
}

} // namespace

void ValuesEdited(CameraDataDialog& window) {
    window.updateData(true);
}

void GreenLimitChanged(CameraDataDialog& window, int id) {
    window.updateData(true);
    QString* limit = memberOf(window, kGreenLimits, id);
    if (limit != nullptr && leadingInteger(*limit) > kGreenLimitCeiling) {
        *limit = QString::number(kGreenLimitCeiling);
        window.controls().setText(id, *limit);
    }
}

void RatioLimitChanged(CameraDataDialog& window, int id) {
    window.updateData(true);
    float* limit = memberOf(window, kRatioLimits, id);
    if (limit != nullptr && *limit > kRatioLimitCeiling) {
        *limit = kRatioLimitCeiling;
        window.controls().setText(id, formatFloat(static_cast<double>(*limit)));
    }
}

} // namespace halvex::CalibrationPanel
