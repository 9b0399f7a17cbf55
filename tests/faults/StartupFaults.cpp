// Fault table of start-up: connecting, the identity checks, the sensor set-up and the device
// information, before the window is shown.
#include "FaultMatrix.h"
#include "app/CameraDataDialog.h"

namespace halvex::test {
namespace {

const QString kInitFailed =
    QStringLiteral("Camera initialization failed. An instance of the application may already be "
                   "running or the device is not connected.");

FaultCell identityFailure(const char* function, int nth, const char* what) {
    return {function,
            nth,
            {QStringLiteral("Application initialization failed. The %1 was not found.")
                 .arg(QLatin1String(what))},
            true};
}

FaultCell silent(const char* function, int nth = 1) {
    return {function, nth, {}};
}

const FaultStage& startupStage() {
    static const FaultStage stage{
        "start-up",
        false,
        nullptr,
        [](FaultMatrix& m) {
            m.dialogs.fileAnswers.push_back(m.iniPath());
            if (m.window->initialize()) {
                m.window->show();
            }
        },
        {
            {"VX3_InitCamera", 1, {kInitFailed}, true, false},
            {"VX3_IsConnectUsb", 1, {text::DeviceNotDetected}, true},
            identityFailure("VX3_GetUsbId", 1, "USB vendor ID"),
            identityFailure("VX3_GetUsbId", 2, "USB product ID"),
            silent("VX3_GetUsbId", 3), // the device information's lines
            identityFailure("VX3_EST_GetVersion", 1, "SDK version"),
            identityFailure("VX3_EST_GetVersion", 2, "Camera version"),
            silent("VX3_EST_GetVersion", 3),
            silent("VX3_EST_GetAdrsData"), // sensor set-up commands
            silent("VX3_EST_SetAdrsData"),
            silent("VX3_SetTimeout"),
            silent("VX3_WB_SetMode"),
            silent("VX3_GC_SetAgc"),
            silent("VX3_GC_GetAgc"),
            silent("VX3_BB_GetMode"),
            silent("VX3_EXP_SetMode"),
            silent("VX3_EXP_GetMode"),
            {Unplugged, 1, {kInitFailed}, true, false},
        },
    };
    return stage;
}

HALVEX_FAULT_STAGE(StartUp, startupStage)

} // namespace
} // namespace halvex::test
