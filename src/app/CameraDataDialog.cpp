// The main window: members and their exchange, start-up, layout and shut-down.
#include "app/CameraDataDialog.h"

#include "app/AboutDialog.h"
#include "app/DeviceInfoDialog.h"
#include "appdata/ApplicationDataDialog.h"
#include "calibration/CameraIdentity.h"
#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"
#include "framework/DialogService.h"
#include "framework/MenuBar.h"
#include "framework/PropertySheet.h"
#include "framework/SurfaceWidget.h"
#include "resources/Bitmaps.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "settings/FilePaths.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <QProgressBar>
#include <array>
#include <utility>

namespace halvex {
namespace {

// The calibration panel: every control the Maintenance Screen shows and other layouts hide.
struct IdRange {
    int first;
    int last;
};
constexpr std::array kCalibrationPanel{IdRange{1136, 1142}, IdRange{1150, 1150},
                                       IdRange{1157, 1157}, IdRange{1187, 1220},
                                       IdRange{1222, 1238}};

// Pixel places of the main window's layout (client coordinates).
struct Placement {
    int id;
    int x, y, width, height;
};
constexpr std::array kMainLayout{
    Placement{MainId::LiveArea, 0, 0, 640, 480}, Placement{MainId::Start, 140, 485, 160, 45},
    Placement{MainId::Stop, 350, 485, 160, 45},  Placement{MainId::Progress, 120, 536, 280, 19},
    Placement{MainId::Status, 0, 535, 120, 20},  Placement{MainId::Message, 400, 535, 395, 20},
};

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

} // namespace

std::span<const MessageEntry<CameraDataDialog>> CameraDataDialog::messageMap() {
    static constexpr std::array kMessageMap{
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::Start, &CameraDataDialog::onStart},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::Stop, &CameraDataDialog::onStop},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::OverlayOn,
                                       &CameraDataDialog::onOverlayOn},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::OverlayOff,
                                       &CameraDataDialog::onOverlayOff},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::CrossHairs,
                                       &CameraDataDialog::onCrossHairs},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::ConcentricCircles,
                                       &CameraDataDialog::onConcentricCircles},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::FieldDisplay,
                                       &CameraDataDialog::onFieldDisplay},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::Zone1FieldDisplay,
                                       &CameraDataDialog::onZone1FieldDisplay},
        MessageEntry<CameraDataDialog>{Notify::Clicked, MainId::Capture,
                                       &CameraDataDialog::onCapture},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::FileNew,
                                       &CameraDataDialog::onFileNew},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::FileLoad,
                                       &CameraDataDialog::onFileLoad},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::FileSave,
                                       &CameraDataDialog::onFileSave},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::FileExit,
                                       &CameraDataDialog::onFileExit},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::CameraDataScreen,
                                       &CameraDataDialog::onCameraDataScreen},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::MaintenanceScreen,
                                       &CameraDataDialog::onMaintenanceScreen},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::ApplicationDataScreen,
                                       &CameraDataDialog::onApplicationDataScreen},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::SequentialScreen,
                                       &CameraDataDialog::onSequentialScreen},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::DeviceInformation,
                                       &CameraDataDialog::onDeviceInformation},
        MessageEntry<CameraDataDialog>{Notify::Command, MenuId::About, &CameraDataDialog::onAbout},
    };
    return kMessageMap;
}

CameraDataDialog::CameraDataDialog(StartupOptions startup)
    : Dialog(kMainDialogTemplate), m_startup(std::move(startup)) {
    bindMessages(this, messageMap());
    bindMessages(this, calibrationMessageMap());
}

CameraDataDialog::~CameraDataDialog() {
    // The sheet's window goes first, while its pages can still answer a focus leaving them.
    DestroySettingsSheet();
}

void CameraDataDialog::doDataExchange(DataExchange& dx) {
    dx.check(1137, m_bConcentricCircles);
    dx.check(1138, m_bFieldDisplay);
    dx.check(1136, m_bCrossHairs);
    dx.check(1157, m_bZone1FieldDisplay);
    dx.text(1183, m_strStatus);
    dx.text(1195, m_strBlueDec);
    dx.text(1196, m_strBlueHex);
    dx.text(1192, m_strBlueMax);
    dx.text(1191, m_strBlueMin);
    dx.text(1193, m_strRedDec);
    dx.text(1194, m_strRedHex);
    dx.text(1190, m_strRedMax);
    dx.text(1189, m_strRedMin);
    dx.text(1184, m_strMessage);
    dx.text(1210, m_strInitialBlue);
    dx.text(1209, m_strInitialRed);
    dx.text(1212, m_strGreenMax);
    dx.text(1213, m_strGreenMin);
    dx.text(1214, m_strTolerance);
    dx.text(1228, m_strRangeInitialBlue);
    dx.text(1229, m_strRangeInitialRed);
    dx.floatText(1218, m_fRatioRbMax);
    dx.floatRange(1218, m_fRatioRbMax, 0.0f, 2.0f);
    dx.floatText(1219, m_fRatioRbMin);
    dx.floatRange(1219, m_fRatioRbMin, 0.0f, 2.0f);
    dx.floatText(1227, m_fRatioRgMax);
    dx.floatRange(1227, m_fRatioRgMax, 0.0f, 2.0f);
    dx.floatText(1232, m_fRatioRgMin);
    dx.check(1231, m_bAutoRatioCheck);
    dx.floatText(1226, m_fRatioBgMax);
    dx.floatRange(1226, m_fRatioBgMax, 0.0f, 2.0f);
    dx.floatText(1220, m_fRatioBgMin);
    dx.floatRange(1220, m_fRatioBgMin, 0.0f, 2.0f);
}

bool CameraDataDialog::onInitDialog() {
    m_hIcon = applicationIcon();
    setWindowIcon(m_hIcon);

    SetBusy(true);
    const bool connected = ConnectCamera();
    SetBusy(false);
    if (!connected) {
        return true;
    }
    SendSensorSetup(m_registerAccess);
    ShowDeviceInformation();
    // Only now are the window's own controls built and filled: the device information is the
    // first window the technician sees, and it should not wait for them.
    Dialog::onInitDialog();

    ApplicationDirectory = m_startup.applicationDirectory;
    m_strIniPath = ApplicationDirectory;
    m_strIniFileName = QStringLiteral("default.ini");
    m_strIniPath = JoinPath(m_strIniPath, m_strIniFileName);

    ChooseAndLoadSettings();
    if (!EnsureSettingsLoaded()) {
        return true;
    }

    SetBusy(true);
    LayoutMainWindow();
    CreateSettingsSheet();
    m_bOverlayOn = 0;
    m_pFrameBuffer = std::make_unique<std::uint8_t[]>(FrameBufferBytes);
    CreateProgressBar();
    SetBusy(false);

    m_hMenu = menu();
    m_startupDone = true;
    return true;
}

bool CameraDataDialog::ConnectCamera() {
    const IdentityCheck check = CheckCameraIdentity();
    if (check.failedMessage == 0) {
        return true;
    }
    SetBusy(false);
    showMessage(check.failedMessage, MessageButtons::Ok, MessageIcon::Stop, Modality::System, this);
    if (check.needsRelease()) {
        ReleaseCamera();
    }
    endDialog(1);
    return false;
}

bool CameraDataDialog::EnsureSettingsLoaded() {
    while (m_strIniPath.isEmpty()) {
        const MessageResult answer =
            showMessage(1, MessageButtons::YesNo, MessageIcon::Stop, Modality::System, this);
        if (answer == MessageResult::Yes) {
            endDialog(1);
            ReleaseCamera();
            return false;
        }
        ChooseAndLoadSettings();
        m_strIniPath = CurrentIniPath;
    }
    return true;
}

void CameraDataDialog::ChooseAndLoadSettings() {
    const FileDialogRequest request{
        .save = false,
        .title = QStringLiteral("Load Ini File"),
        .filter = QStringLiteral("Ini Files(*.ini;*.bak)|*.ini;*.bak||"),
        .initialDirectory = ApplicationDirectory,
        .initialName = m_strIniFileName,
        .defaultExtension = QStringLiteral("ini"),
        .overwritePrompt = false,
        .pathMustExist = true,
        .fileMustExist = true,
    };
    // A settings file named on the command line stands for the first choice in the dialog.
    const std::optional<QString> chosen = m_startup.settingsFile.isEmpty()
                                              ? dialogService().fileDialog(request, this)
                                              : std::exchange(m_startup.settingsFile, QString());
    if (!chosen) {
        if (!m_startupDone) {
            m_strIniPath.clear();
        }
        return;
    }
    m_strIniPath = *chosen;
    m_strIniFileName = QFileInfo(*chosen).fileName();
    m_settingsFile.Load(m_strIniPath);
    if (m_startupDone) {
        SetBusy(true);
        if (SensorModel == QLatin1String("OV7610") || SensorModel == QLatin1String("OV7620")) {
            m_registerAccess.SetRegister(QStringLiteral("12,04,00"));
        }
        m_bOverlayOn = 0;
        HideCalibrationPanel();
        DestroySettingsSheet();
        CreateSettingsSheet();
        SetBusy(false);
    }
    CurrentIniPath = m_strIniPath;
}

void CameraDataDialog::LayoutMainWindow() {
    setWindowSizePixels(kWindowWidth, kWindowHeight);
    for (const Placement& place : kMainLayout) {
        if (QWidget* widget = control(place.id)) {
            widget->setGeometry(place.x, place.y, place.width, place.height);
        }
    }
    // Get RGB keeps its template place over the live area's bottom-right corner; it stays above
    // the picture so that it can be seen and clicked while live view runs.
    control(MainId::GetRgb)->raise();
}

void CameraDataDialog::CreateProgressBar() {
    QWidget* holder = control(MainId::Progress);
    m_progress = new QProgressBar(holder);
    m_progress->setObjectName(QStringLiteral("1182"));
    m_progress->setTextVisible(false);
    m_progress->setGeometry(holder->rect());
    // The bar clamps every position to its range, the initial one too: position 1 is the empty
    // bar that every sequence returns to when it sets 0.
    m_progress->setRange(1, 100);
    m_progress->setValue(1);
    m_progress->show();
}

void CameraDataDialog::HideCalibrationPanel() {
    for (const IdRange& range : kCalibrationPanel) {
        for (int id = range.first; id <= range.last; ++id) {
            controls().show(id, false);
        }
    }
}

void CameraDataDialog::SetBusy(bool busy) {
    m_bBusy = busy ? 1 : 0;
    setWaitCursor(busy);
}

void CameraDataDialog::ReleaseCamera() {
    if (VX3_UnmountCamera() == 0) {
        showMessage(18, MessageButtons::Ok, MessageIcon::Stop, Modality::System, this);
    }
}

void CameraDataDialog::onOK() {}

void CameraDataDialog::onCancel() {}

void CameraDataDialog::onClose() {
    ShutDown();
}

void CameraDataDialog::ShutDown() {
    // A library that keeps reporting a running movie after Stop must not hang the shut-down.
    for (int attempt = 0; attempt < 3 && VX3_LV_IsMovieRunning() != 0; ++attempt) {
        StopLiveView();
    }
    DestroySettingsSheet();
    if (VX3_IsConnectUsb() != 0) {
        ReleaseCamera();
    }
    m_pFrameBuffer.reset();
    endDialog(1);
}

void CameraDataDialog::onFileLoad() {
    if (VX3_LV_IsMovieRunning() == 0) {
        ChooseAndLoadSettings();
    }
}

void CameraDataDialog::ShowDeviceInformation() {
    m_pDeviceInfoDialog = std::make_unique<DeviceInfoDialog>(this);
    dialogService().runModal(*m_pDeviceInfoDialog);
    m_pDeviceInfoDialog.reset();
}

void CameraDataDialog::ShowAbout() {
    AboutDialog about(this);
    dialogService().runModal(about);
}

} // namespace halvex
