// The main window's calibration: the start-up sequence before live view and the three procedures
// of the calibration panel, run by the calibration component with the window as their front end,
// and the panel's edit handlers.
#include "app/CameraDataDialog.h"

#include "calibration/BlockingSequence.h"
#include "calibration/CalibrationHistory.h"
#include "camerasettings/CCameraSetting1.h"
#include "framework/DataExchange.h"
#include "framework/DialogService.h"
#include "framework/TextNumbers.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

#include <QProgressBar>
#include <QWindow>
#include <algorithm>
#include <array>

namespace halvex {
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
T& memberOf(CameraDataDialog& window, const std::array<PanelBox<T>, N>& boxes, int id) {
    return window.*std::ranges::find(boxes, id, &PanelBox<T>::id)->member;
}

void paintNow(QWidget* widget) {
    if (widget != nullptr) {
        widget->repaint();
    }
}

} // namespace

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
    const BlockingSequence blocking(*this);
    m_calibration.RunCameraStartup();
}

void CameraDataDialog::AdvanceProgress(int step, const QString& text) {
    m_calibration.AdvanceProgress(step, text);
}

void CameraDataDialog::GetAutoAdjValues() {
    const BlockingSequence blocking(*this);
    m_calibration.GetAutoAdjValues();
}

void CameraDataDialog::GetManualAdjValues() {
    const BlockingSequence blocking(*this);
    m_calibration.GetManualAdjValues();
}

void CameraDataDialog::GetRGB() {
    m_calibration.GetRGB();
}

void CameraDataDialog::SetPage1WhiteBalanceTexts(const QString& blue, const QString& red) {
    // The page shows them at its next refresh of its controls, not now.
    if (m_pPage1 != nullptr) {
        m_pPage1->m_strBlue = blue;
        m_pPage1->m_strRed = red;
    }
}

void CameraDataDialog::onPanelValueEdited() {
    updateData(true);
}

template <int Id> void CameraDataDialog::onGreenLimitChanged() {
    updateData(true);
    QString& limit = memberOf(*this, kGreenLimits, Id);
    if (leadingInteger(limit) > kGreenLimitCeiling) {
        limit = QString::number(kGreenLimitCeiling);
        controls().setText(Id, limit);
    }
}

template <int Id> void CameraDataDialog::onRatioLimitChanged() {
    updateData(true);
    float& limit = memberOf(*this, kRatioLimits, Id);
    if (limit > kRatioLimitCeiling) {
        limit = kRatioLimitCeiling;
        controls().setText(Id, formatFloat(static_cast<double>(limit)));
    }
}

void CameraDataDialog::setStatusText(const QString& text) {
    m_strStatus = text;
}

void CameraDataDialog::setMeasurementText(const QString& text) {
    m_strMessage = text;
}

int CameraDataDialog::barPosition() const {
    return m_progress->value();
}

void CameraDataDialog::setBarPosition(int position) {
    // Painted at once: no message loop runs until the sequence ends.
    m_progress->setValue(std::clamp(position, m_progress->minimum(), m_progress->maximum()));
    paintNow(m_progress);
}

void CameraDataDialog::refresh() {
    updateData(false);
    paintNow(m_progress);
    paintNow(control(MainId::Status));
    paintNow(control(MainId::Message));
}

CalibrationPanelValues CameraDataDialog::takePanelValues() {
    updateData(true);
    return {
        .rangeInitialBlue = m_strRangeInitialBlue,
        .rangeInitialRed = m_strRangeInitialRed,
        .blueMin = m_strBlueMin,
        .blueMax = m_strBlueMax,
        .redMin = m_strRedMin,
        .redMax = m_strRedMax,
        .initialBlue = m_strInitialBlue,
        .initialRed = m_strInitialRed,
        .greenMax = m_strGreenMax,
        .greenMin = m_strGreenMin,
        .tolerance = m_strTolerance,
        .autoRatioCheck = m_bAutoRatioCheck != 0,
        .ratioLimits = {m_fRatioRbMin, m_fRatioRbMax, m_fRatioBgMin, m_fRatioBgMax, m_fRatioRgMin,
                        m_fRatioRgMax},
        .adjustment = {m_strBlueDec, m_strBlueHex, m_strRedDec, m_strRedHex},
    };
}

void CameraDataDialog::setManualInitialValues(const QString& blue, const QString& red) {
    m_strInitialBlue = blue;
    m_strInitialRed = red;
}

void CameraDataDialog::setAdjustmentValues(const AdjustmentValues& values) {
    m_strBlueDec = values.blueDec;
    m_strBlueHex = values.blueHex;
    m_strRedDec = values.redDec;
    m_strRedHex = values.redHex;
}

void CameraDataDialog::setStoredWhiteBalanceTexts(const QString& blue, const QString& red) {
    SetPage1WhiteBalanceTexts(blue, red);
}

MessageResult CameraDataDialog::messageBox(const MessageRequest& request) {
    return BlockingSequence::ShowMessage(request, this);
}

void CameraDataDialog::beep() {
    dialogService().beep();
}

void CameraDataDialog::pause(int milliseconds) {
    BlockingSequence::Pause(milliseconds);
}

void CameraDataDialog::setBusy(bool busy) {
    SetBusy(busy);
}

void CameraDataDialog::setTopmost(bool topmost) {
    // Set on the window itself: changing the widget's flags would hide and re-create it.
    if (QWindow* handle = windowHandle()) {
        handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
    }
}

void CameraDataDialog::startLiveView() {
    StartLiveView();
}

void CameraDataDialog::showZone1Overlay() {
    m_bOverlayOn = 1;
    m_bZone1FieldDisplay = 1;
    m_bCrossHairs = 0;
    m_bConcentricCircles = 0;
    m_bFieldDisplay = 0;
}

void CameraDataDialog::drawFrame() {
    DrawFrame();
}

QImage CameraDataDialog::liveImage() const {
    return LiveImage();
}

void CameraDataDialog::runFinished(const CalibrationResult& result) {
    CalibrationHistory(ApplicationDirectory).AppendOrReport(result, SensorModel);
}

} // namespace halvex
