// The main window's File and Window menus: settings files and the two screen layouts.
#include "app/CameraDataDialog.h"

#include "appdata/ApplicationDataDialog.h"
#include "framework/DialogService.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"
#include "settings/FilePaths.h"
#include "settings/SaveSequence.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <array>

namespace halvex {
namespace {

const QString kMaintenanceTitle = QStringLiteral("Corvane Halvex Application (Maintenance Screen)");
const QString kCameraDataTitle =
    QStringLiteral("Corvane Halvex Application (Camera Data Setting Screen)");
const QString kDefaultIni = QStringLiteral("default.ini");

// The calibration panel as the Maintenance Screen shows it, in showing order.
constexpr std::array kMaintenancePanelOrder{
    1187, 1188, 1207, 1189, 1190, 1193, 1194, 1191, 1192, 1195, 1196, 1197, 1198, 1199, 1200,
    1201, 1202, 1203, 1204, 1206, 1205, 1150, 1142, 1141, 1139, 1140, 1136, 1137, 1138, 1157,
    1208, 1211, 1215, 1216, 1217, 1214, 1212, 1213, 1209, 1210, 1223, 1224, 1225, 1222, 1229,
    1228, 1230, 1233, 1234, 1235, 1236, 1237, 1238, 1218, 1219, 1226, 1220, 1227, 1232, 1231};

bool isKnownSensor() {
    return SensorModel == QLatin1String("OV7610") || SensorModel == QLatin1String("OV7620");
}

} // namespace

void CameraDataDialog::NewFromDefault() {
    SetBusy(true);
    if (!SearchFile(ApplicationDirectory, kDefaultIni)) {
        showMessage(3, MessageButtons::Ok, MessageIcon::Stop, Modality::System, this);
        requestClose();
        return;
    }
    if (VX3_LV_IsMovieRunning() == 0) {
        m_strIniFileName = kDefaultIni;
        m_strIniPath = JoinPath(ApplicationDirectory, kDefaultIni);
        m_settingsFile.Load(m_strIniPath);
        if (isKnownSensor()) {
            m_registerAccess.SetRegister(QStringLiteral("12,04,00"));
        }
        m_bOverlayOn = 0;
        HideCalibrationPanel();
        DestroySettingsSheet();
        CreateSettingsSheet();
        CurrentIniPath = m_strIniPath;
    }
    SetBusy(false);
}

void CameraDataDialog::SaveSettingsAs() {
    const FileDialogRequest request{
        .save = true,
        .title = QStringLiteral("Save Ini File As"),
        .filter = QStringLiteral("Ini Files(*.ini)|*.ini||"),
        .initialDirectory = m_strIniPath,
        .initialName = m_strIniFileName,
        .defaultExtension = QStringLiteral("ini"),
        .overwritePrompt = true,
        .pathMustExist = true,
        .fileMustExist = false,
    };
    const std::optional<QString> chosen = dialogService().fileDialog(request, nullptr);
    if (!chosen) {
        return;
    }
    m_strIniPath = *chosen;
    m_strIniFileName = QFileInfo(*chosen).fileName();
    if (SaveSettingsWithBackup(m_strIniPath, this)) {
        CurrentIniPath = m_strIniPath;
    }
}

void CameraDataDialog::ShowMaintenanceLayout() {
    if (controls().isVisible(MainId::OverlayGroup)) {
        return;
    }
    controls().show(MainId::OverlayGroup, true);
    m_pSheet->hide();
    m_bOverlayOn = 1;
    m_bConcentricCircles = 1;
    m_bCrossHairs = 1;
    m_bFieldDisplay = 1;
    controls().checkRadioButton(MainId::OverlayOn, MainId::OverlayOff, MainId::OverlayOn);
    for (int id : kMaintenancePanelOrder) {
        controls().show(id, true);
    }
    setWindowTitle(kMaintenanceTitle);
    updateData(false);
}

void CameraDataDialog::ShowCameraDataLayout() {
    if (!controls().isVisible(MainId::OverlayGroup)) {
        return;
    }
    controls().show(MainId::OverlayGroup, false);
    controls().checkRadioButton(MainId::OverlayOn, MainId::OverlayOff, MainId::OverlayOff);
    m_bOverlayOn = 0;
    m_bCrossHairs = 0;
    m_bConcentricCircles = 0;
    m_bFieldDisplay = 0;
    m_bZone1FieldDisplay = 0;
    updateData(false);
    HideCalibrationPanel();
    setWindowTitle(kCameraDataTitle);
    m_pSheet->show();
    m_strMessage.clear();
    updateData(false);
}

void CameraDataDialog::OpenApplicationData() {
    const QString previousIniPath = CurrentIniPath;
    m_pAppDataDialog = std::make_unique<ApplicationDataDialog>(this);
    dialogService().runModal(*m_pAppDataDialog);
    m_pAppDataDialog.reset();
    if (CurrentIniPath == previousIniPath) {
        return;
    }
    DestroySettingsSheet();
    CreateSettingsSheet();
    HideCalibrationPanel();
    m_bOverlayOn = 0;
}

void CameraDataDialog::OpenSequentialScreen() {
    if (VX3_LV_IsMovieRunning() == 0) {
        m_export.ShowWindow(CurrentIniPath);
    }
}

} // namespace halvex
