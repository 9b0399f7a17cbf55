// The main window (dialog 101): start-up and shut-down, live view, still capture, file and window
// menus, and the calibration panel's members.
#pragma once

#include "app/StartupOptions.h"
#include "calibration/CalibrationFrontEnd.h"
#include "calibration/ColourCalibration.h"
#include "camera/RegisterAccess.h"
#include "framework/Dialog.h"
#include "settings/SettingsFile.h"

#include <Quorvin.h>
#include <VX3lib.h>

#include <QImage>
#include <memory>
#include <vector>

class QProgressBar;

namespace halvex {

class AboutDialog;
class ApplicationDataDialog;
class CCameraSetting1;
class CCameraSetting2;
class DeviceInfoDialog;
class PropertySheet;
class SurfaceWidget;

class CameraDataDialog final : public Dialog, private CalibrationFrontEnd {
public:
    static constexpr int LiveViewTimerId = 101;
    static constexpr int FrameBufferBytes = VX3_FRAME_BYTES;

    explicit CameraDataDialog(StartupOptions startup = {});
    ~CameraDataDialog() override;

    // Start-up and shut-down
    bool ConnectCamera();
    bool EnsureSettingsLoaded();
    void ChooseAndLoadSettings();
    void LayoutMainWindow();
    void CreateProgressBar();
    void HideCalibrationPanel();
    // The embedded camera settings sheet: built once a settings file is loaded, rebuilt (destroy,
    // then create) after every later load so that its pages read the store anew.
    void CreateSettingsSheet();
    void DestroySettingsSheet();
    void SetBusy(bool busy);
    void ReleaseCamera();

    // Live view
    void StartLiveView();
    void StopLiveView();
    void DrawFrame();
    // Steps of DrawFrame before the next frame is fetched: the frame buffer through the
    // off-screen image, with the overlays, onto the live area.
    void PaintFrame();
    void DrawOverlays(QImage& image) const;
    // Works out the pixels of the enabled overlays as DrawOverlays draws them, once per choice of
    // figures and frame size rather than anew on every frame.
    void WorkOutOverlays(QSize frameSize);
    // Sets the pixels WorkOutOverlays found inside `area`.
    void StampOverlays(QImage& image, const QRect& area) const;
    void ClearLiveArea();

    // Still capture
    void CaptureStill();
    QString AskCaptureFileName(QString& extension);

    // Calibration: the start-up sequence of live view and the calibration panel's procedures, run
    // by the calibration component with this window as their front end
    void RunCameraStartup();
    // Shared by the start-up sequence and still capture.
    void AdvanceProgress(int step, const QString& text);
    void GetAutoAdjValues();
    void GetManualAdjValues();
    void GetRGB();
    // Page 1's white-balance texts, which the start-up sets after its white-balance warning.
    void SetPage1WhiteBalanceTexts(const QString& blue, const QString& red);

    // File and Window menus
    void NewFromDefault();
    void SaveSettingsAs();
    void ShowMaintenanceLayout();
    void ShowCameraDataLayout();
    void OpenApplicationData();
    void OpenSequentialScreen();
    void ShowDeviceInformation();
    void ShowAbout();

    // What the live area shows now (the last frame with its overlays).
    const QImage& LiveImage() const;
    SurfaceWidget* LiveArea() const;

    // Members bound to the controls, in data-exchange order.
    int m_bConcentricCircles = 0;
    int m_bFieldDisplay = 0;
    int m_bCrossHairs = 0;
    int m_bZone1FieldDisplay = 0;
    QString m_strStatus = QStringLiteral("Idle state");
    QString m_strBlueDec = kCalibrationPanelDefaults.adjustment.blueDec;        // 1195
    QString m_strBlueHex = kCalibrationPanelDefaults.adjustment.blueHex;        // 1196
    QString m_strBlueMax = kCalibrationPanelDefaults.blueMax;                   // 1192
    QString m_strBlueMin = kCalibrationPanelDefaults.blueMin;                   // 1191
    QString m_strRedDec = kCalibrationPanelDefaults.adjustment.redDec;          // 1193
    QString m_strRedHex = kCalibrationPanelDefaults.adjustment.redHex;          // 1194
    QString m_strRedMax = kCalibrationPanelDefaults.redMax;                     // 1190
    QString m_strRedMin = kCalibrationPanelDefaults.redMin;                     // 1189
    QString m_strMessage;                                                       // 1184
    QString m_strInitialBlue = kCalibrationPanelDefaults.initialBlue;           // 1210
    QString m_strInitialRed = kCalibrationPanelDefaults.initialRed;             // 1209
    QString m_strGreenMax = kCalibrationPanelDefaults.greenMax;                 // 1212
    QString m_strGreenMin = kCalibrationPanelDefaults.greenMin;                 // 1213
    QString m_strTolerance = kCalibrationPanelDefaults.tolerance;               // 1214
    QString m_strRangeInitialBlue = kCalibrationPanelDefaults.rangeInitialBlue; // 1228
    QString m_strRangeInitialRed = kCalibrationPanelDefaults.rangeInitialRed;   // 1229
    float m_fRatioRbMax = kCalibrationPanelDefaults.ratioLimits.rbMax;          // 1218
    float m_fRatioRbMin = kCalibrationPanelDefaults.ratioLimits.rbMin;          // 1219
    float m_fRatioRgMax = kCalibrationPanelDefaults.ratioLimits.rgMax;          // 1227
    float m_fRatioRgMin = kCalibrationPanelDefaults.ratioLimits.rgMin;          // 1232
    int m_bAutoRatioCheck = kCalibrationPanelDefaults.autoRatioCheck ? 1 : 0;   // 1231
    float m_fRatioBgMax = kCalibrationPanelDefaults.ratioLimits.bgMax;          // 1226
    float m_fRatioBgMin = kCalibrationPanelDefaults.ratioLimits.bgMin;          // 1220

    int m_bOverlayOn = 0;
    std::unique_ptr<DeviceInfoDialog> m_pDeviceInfoDialog;
    std::unique_ptr<ApplicationDataDialog> m_pAppDataDialog; // while it is open
    QIcon m_hIcon;
    std::unique_ptr<BITMAPINFOHEADER> m_pImageInfo;
    QProgressBar* m_progress = nullptr;
    QImage m_memDC; // off-screen image of live view, alive while it runs
    SettingsFile m_settingsFile;
    MenuBar* m_hMenu = nullptr;
    CExport m_export;
    SurfaceWidget* m_pLiveDC = nullptr; // the live area while live view runs
    QString m_strIniFileName;
    QString m_strIniPath;
    std::unique_ptr<std::uint8_t[]> m_pFrameBuffer;
    int m_bBusy = 0;
    RegisterAccess m_registerAccess;
    std::unique_ptr<CCameraSetting2> m_pPage2;
    std::unique_ptr<CCameraSetting1> m_pPage1;
    std::unique_ptr<PropertySheet> m_pSheet;
    ColourCalibration m_calibration{*this, m_registerAccess};
    WhiteBalanceValue& m_wbValue = m_calibration.m_wbValue;
    int& m_nAdjustState = m_calibration.m_nAdjustState;

protected:
    bool onInitDialog() override;
    void doDataExchange(DataExchange& dx) override;
    void onOK() override;
    void onCancel() override;
    void onClose() override;
    void onTimer(int timerId) override;

private:
    static std::span<const MessageEntry<CameraDataDialog>> messageMap();
    static std::span<const MessageEntry<CameraDataDialog>> calibrationMessageMap();
    void ShutDown();
    // Closes the window after a fatal camera failure and abandons the running handler.
    [[noreturn]] void EndAfterFatalFailure();
    void EnableLiveViewMenuItems(bool enabled);
    void ToggleOverlay(int& member);

    void onStart() { StartLiveView(); }
    void onStop() { StopLiveView(); }
    void onOverlayOn() { m_bOverlayOn = 1; }
    void onOverlayOff() { m_bOverlayOn = 0; }
    void onCrossHairs() { ToggleOverlay(m_bCrossHairs); }
    void onConcentricCircles() { ToggleOverlay(m_bConcentricCircles); }
    void onFieldDisplay() { ToggleOverlay(m_bFieldDisplay); }
    void onZone1FieldDisplay() { ToggleOverlay(m_bZone1FieldDisplay); }
    void onCapture() { CaptureStill(); }
    void onFileNew() { NewFromDefault(); }
    void onFileLoad();
    void onFileSave() { SaveSettingsAs(); }
    void onFileExit() { requestClose(); }
    void onCameraDataScreen() { ShowCameraDataLayout(); }
    void onMaintenanceScreen() { ShowMaintenanceLayout(); }
    void onApplicationDataScreen() { OpenApplicationData(); }
    void onSequentialScreen() { OpenSequentialScreen(); }
    void onDeviceInformation() { ShowDeviceInformation(); }
    void onAbout() { ShowAbout(); }
    void onGetAutoAdjValues() { GetAutoAdjValues(); }
    void onGetManualAdjValues() { GetManualAdjValues(); }
    void onGetRgb() { GetRGB(); }
    void onPanelValueEdited();
    template <int Id> void onGreenLimitChanged();
    template <int Id> void onRatioLimitChanged();

    // The calibration component's front end.
    void setStatusText(const QString& text) override;
    void setMeasurementText(const QString& text) override;
    int barPosition() const override;
    void setBarPosition(int position) override;
    void refresh() override;
    CalibrationPanelValues takePanelValues() override;
    void setManualInitialValues(const QString& blue, const QString& red) override;
    void setAdjustmentValues(const AdjustmentValues& values) override;
    void setStoredWhiteBalanceTexts(const QString& blue, const QString& red) override;
    MessageResult messageBox(const MessageRequest& request) override;
    void beep() override;
    void pause(int milliseconds) override;
    void setBusy(bool busy) override;
    void setTopmost(bool topmost) override;
    void startLiveView() override;
    void showZone1Overlay() override;
    void drawFrame() override;
    QImage liveImage() const override;
    void runFinished(const CalibrationResult& result) override;

    // The pixels StampOverlays sets (each y * 65536 + x), for the figures and the frame size they
    // were worked out for.
    std::vector<std::uint32_t> m_overlayPixels;
    int m_overlayChoice = -1;
    QSize m_overlaySize;

    bool m_startupDone = false;
    StartupOptions m_startup;
};

} // namespace halvex
