// The stages of the fault matrix, in the order the technician meets them: start-up, live view,
// capture, the calibration procedures, the camera settings pages, the menus and shut-down.
#include "FaultStages.h"
#include "TechnicianHands.h"
#include "app/CameraDataDialog.h"
#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"
#include "framework/MenuBar.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"

#include <QApplication>
#include <QTimer>

namespace halvex::test {
namespace {

const QString kInitFailed =
    QStringLiteral("Camera initialization failed. An instance of the application may already be "
                   "running or the device is not connected.");
const QString kNotDetected = QStringLiteral("Device not detected.");
const QString kStopFailed = QStringLiteral("An error occured in VX3_LV_StopMovie(). ");
const QString kContinueFailed = QStringLiteral("An error occured in VX3_LV_ContinueMovie()");
const QString kUnmountFailed = QStringLiteral("Unmount camera command failed.");
const QString kFileSaved = QStringLiteral("The file was successfully saved.");
const QString kSetWbFailed = QStringLiteral("Set white balance command failed.");
const QString kGetWbFailed = QStringLiteral("Get white balance command failed.");
const QString kRedFailed = QStringLiteral("Command failed.");
const QString kSetRateFailed = QStringLiteral("Set frame rate command failed.");
const QString kGetRateFailed = QStringLiteral("Get frame rate command failed.");

FaultCell identityFailure(const char* function, std::int64_t selector, const char* message) {
    return {function, 1, {QString::fromLatin1(message)}, true, true, selector};
}

void clickStart(FaultMatrix& m) {
    m.click(MainId::Start);
}

void startLiveView(FaultMatrix& m) {
    m.window->ShowMaintenanceLayout();
    m.click(MainId::Start);
}

void closeWindow(FaultMatrix& m) {
    m.window->close();
}

// Start's sequence, run again under the running movie when live view looks stopped, examines
// none of these results; refused gains leave the camera on the neutral ones it wrote.
const std::vector<std::string> kSilentInCalibration{"VX3_WB_SetWbVal", "VX3_WB_GetWbVal",
                                                    "VX3_EST_SetAdrsData", "VX3_EST_GetAdrsData"};

} // namespace

const std::vector<FaultStage>& faultStages() {
    static const std::vector<FaultStage> stages{
        {"StartUp",
         [](FaultMatrix& m) {
             m.dialogs.fileAnswers.push_back(m.iniPath());
             if (m.window->initialize()) {
                 m.window->show();
             }
         },
         {
             {"VX3_InitCamera", 1, {kInitFailed}, true, false},
             {"VX3_IsConnectUsb", 1, {kNotDetected}, true},
             identityFailure("VX3_GetUsbId", 1,
                             "Application initialization failed. The USB vendor ID was not found."),
             identityFailure(
                 "VX3_GetUsbId", 0,
                 "Application initialization failed. The USB product ID was not found."),
             {"VX3_GetUsbId", 3, {}}, // the device information's lines
             identityFailure("VX3_EST_GetVersion", 1,
                             "Application initialization failed. The SDK version was not found."),
             identityFailure(
                 "VX3_EST_GetVersion", 0,
                 "Application initialization failed. The Camera version was not found."),
             {"VX3_EST_GetVersion", 3, {}},
             {Unplugged, 1, {kInitFailed}, true, false},
         },
         // The sensor set-up commands and the device information.
         {"VX3_EST_GetAdrsData", "VX3_EST_SetAdrsData", "VX3_SetTimeout", "VX3_WB_SetMode",
          "VX3_GC_SetAgc", "VX3_GC_GetAgc", "VX3_BB_GetMode", "VX3_EXP_SetMode", "VX3_EXP_GetMode"},
         // A window not yet started.
         [](FaultMatrix& m) {
             m.window->close();
             m.window = std::make_unique<CameraDataDialog>();
         }},
        {"Start",
         clickStart,
         {
             // The connection check fails again at shut-down, so the camera is not unmounted.
             {"VX3_IsConnectUsb", 1, {kNotDetected}, true, false},
             {"VX3_LV_StartMovie",
              1,
              {QStringLiteral("An error occured in VX3_LV_StartMovie(). Please restart the "
                              "application.")},
              true},
             // The gains keep their power-on values: the start-up sequence never reads back
             // the stored white balance, warns after 45 s and goes on.
             {"VX3_WB_SetWbVal",
              1,
              {QStringLiteral(" WhiteBalance Initialization error! \n Please push READ button and "
                              "check the value.")}},
             {Unplugged, 1, {kNotDetected}, true, false},
         },
         // The start-up sequence examines no other result: a refused register read still runs
         // the white-balance check, which the stored balance then passes.
         {"VX3_LV_SetImageSize", "VX3_SIA_GetImageInfo", "VX3_EST_GetAdrsData",
          "VX3_EST_SetAdrsData", "VX3_LV_SetFrameRate", "VX3_WB_GetWbVal"}},
        {"LiveView",
         [](FaultMatrix& m) {
             for (int frame = 0; frame < 3 && !m.window->hasEnded(); ++frame) {
                 m.window->fireTimer(CameraDataDialog::LiveViewTimerId);
             }
             if (!m.window->hasEnded()) {
                 m.click(MainId::Stop);
             }
         },
         {
             {"VX3_LV_ContinueMovie", 1, {kContinueFailed}, true},
             {"VX3_LV_StopMovie", 1, {kStopFailed}},
             {Unplugged, 1, {kContinueFailed}, true, false},
         },
         {},
         clickStart},
        // No library result is tested by still capture, so every failure passes silently.
        {"Capture",
         [](FaultMatrix& m) {
             for (const char* name : {"shot.jpg", "shot.bmp"}) {
                 m.dialogs.fileAnswers.push_back(m.workPath(QString::fromLatin1(name)));
                 m.click(MainId::Capture);
             }
         },
         {{Unplugged, 1, {}, false, false}},
         {"VX3_SIA_SetImageSize", "VX3_SIA_GetImageSize", "VX3_SIA_CaptureJpg",
          "VX3_SIA_CaptureBmp", "VX3_SIA_GetImageInfo", "VX3_SIA_SaveImageJpg",
          "VX3_SIA_SaveImageBmp"},
         [](FaultMatrix& m) { m.window->ShowMaintenanceLayout(); }},
        {"AutoAdjustment",
         [](FaultMatrix& m) { m.click(MainId::GetAutoAdjValues); },
         {
             // Live view looks stopped: Start's sequence runs again under the running movie.
             {"VX3_LV_IsMovieRunning", 1, {}},
             // Unplugged, the live view looks stopped and Start finds no camera.
             {Unplugged, 1, {kNotDetected}, true, false},
         },
         kSilentInCalibration,
         startLiveView},
        {"ManualAdjustment",
         [](FaultMatrix& m) { m.click(MainId::GetManualAdjValues); },
         {
             {"VX3_LV_IsMovieRunning", 1, {}},
             {"VX3_LV_ContinueMovie", 1, {kContinueFailed}, true},
             {Unplugged, 1, {kNotDetected}, true, false},
         },
         kSilentInCalibration,
         startLiveView},
        // The white balance, a register setting and READ: the window always goes on.
        {"Page1",
         [](FaultMatrix& m) {
             CCameraSetting1& page = *m.window->m_pPage1;
             typeAndLeave(page.controls().as<QLineEdit>(Page1Id::BlueEdit), QStringLiteral("100"));
             drag(page.controls().as<QSlider>(Page1Id::RedSlider), 70);
             typeAndLeave(page.controls().as<QLineEdit>(Page1Id::SaturationEdit),
                          QStringLiteral("100"));
             QTest::mouseClick(page.control(Page1Id::Read), Qt::LeftButton);
         },
         {
             // Blue's box, then red's slider; READ passes over its own failures.
             {"VX3_WB_SetWbVal", 1, {kSetWbFailed, kRedFailed}},
             {"VX3_WB_GetWbVal", 1, {kGetWbFailed, kGetWbFailed}},
             {Unplugged, 1, {kSetWbFailed, kGetWbFailed, kRedFailed, kGetWbFailed}, false, false},
         },
         {"VX3_WB_GetMode", "VX3_EST_SetAdrsData", "VX3_EST_GetAdrsData", "VX3_LV_GetFrameRate"}},
        // A switch, the frame speed and Direct Setup.
        {"Page2",
         [](FaultMatrix& m) {
             CCameraSetting2& page = *m.window->m_pPage2;
             choose(page.controls().as<QComboBox>(Page2Id::SuperGainList), 1);
             typeAndLeave(page.controls().as<QLineEdit>(Page2Id::FrameSpeedEdit),
                          QStringLiteral("12"));
             typeInto(page.controls().as<QLineEdit>(Page2Id::Input), QStringLiteral("14,04,04"));
             QTest::mouseClick(page.control(Page2Id::Set), Qt::LeftButton);
             QTest::mouseClick(page.control(Page2Id::Get), Qt::LeftButton);
         },
         {
             {"VX3_LV_SetFrameRate", 1, {kSetRateFailed}},
             {"VX3_LV_GetFrameRate", 1, {kGetRateFailed}},
             {Unplugged, 1, {kSetRateFailed, kGetRateFailed}, false, false},
         },
         {"VX3_EST_SetAdrsData", "VX3_EST_GetAdrsData"},
         [](FaultMatrix& m) { m.window->m_pSheet->setActivePage(1); }},
        {"FileMenu",
         [](FaultMatrix& m) {
             m.window->menu()->choose(MenuId::FileNew);
             m.dialogs.fileAnswers.push_back(m.iniPath());
             m.window->menu()->choose(MenuId::FileLoad);
             // Saved under another name, so the file in use stays as it was.
             m.dialogs.fileAnswers.push_back(m.workPath(QStringLiteral("saved.ini")));
             m.window->menu()->choose(MenuId::FileSave);
         },
         {
             {"VX3_LV_IsMovieRunning", 1, {kFileSaved}},
             {"VX3_EST_GetAdrsData", 1, {kFileSaved}}, // the white balance reset after a load
             {"VX3_EST_SetAdrsData", 1, {kFileSaved}},
             {Unplugged, 1, {kFileSaved}, false, false},
         }},
        // The device information and the sequential screen.
        {"WindowMenu",
         [](FaultMatrix& m) {
             m.window->menu()->choose(MenuId::DeviceInformation);
             QTimer::singleShot(0, [] {
                 if (QWidget* modal = QApplication::activeModalWidget()) {
                     modal->close();
                 }
             });
             m.window->menu()->choose(MenuId::SequentialScreen);
         },
         {{Unplugged, 1, {}, false, false}},
         {"VX3_GetUsbId", "VX3_EST_GetVersion", "VX3_GC_SetAgc", "VX3_GC_GetAgc", "VX3_BB_GetMode",
          "VX3_EXP_SetMode", "VX3_EXP_GetMode", "VX3_LV_IsMovieRunning"}},
        // Shut-down always ends the window.
        {"ShutDown",
         closeWindow,
         {
             {"VX3_LV_IsMovieRunning", 1, {}, true},
             {"VX3_IsConnectUsb", 1, {}, true, false},
             {"VX3_UnmountCamera", 1, {kUnmountFailed}, true},
             {Unplugged, 1, {}, true, false},
         }},
        {"ShutDownWhileLive",
         closeWindow,
         {
             // The library's running state is what the close sequence goes by.
             {"VX3_LV_IsMovieRunning", 1, {}, true},
             // A movie that will not stop is given up after three attempts.
             {"VX3_LV_StopMovie", 1, {kStopFailed, kStopFailed, kStopFailed}, true},
             {"VX3_IsConnectUsb", 1, {}, true, false},
             {"VX3_UnmountCamera", 1, {kUnmountFailed}, true},
             {Unplugged, 1, {}, true, false},
         },
         {},
         clickStart},
    };
    return stages;
}

} // namespace halvex::test
