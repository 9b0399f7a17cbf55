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

HALVEX_FAULT_STAGE(
    StartUp, "start-up", false, nullptr,
    [](FaultMatrix& m) {
        m.dialogs.fileAnswers.push_back(m.iniPath());
        if (m.window->initialize()) {
            m.window->show();
        }
    },
    cellsWith(
        {
            {"VX3_InitCamera", 1, {kInitFailed}, true, false},
            {"VX3_IsConnectUsb", 1, {text::DeviceNotDetected}, true},
            identityFailure("VX3_GetUsbId", 1, "USB vendor ID"),
            identityFailure("VX3_GetUsbId", 2, "USB product ID"),
            {"VX3_GetUsbId", 3, {}}, // the device information's lines
            identityFailure("VX3_EST_GetVersion", 1, "SDK version"),
            identityFailure("VX3_EST_GetVersion", 2, "Camera version"),
            {"VX3_EST_GetVersion", 3, {}},
            {Unplugged, 1, {kInitFailed}, true, false},
        },
        // The sensor set-up commands and the device information.
        {"VX3_EST_GetAdrsData", "VX3_EST_SetAdrsData", "VX3_SetTimeout", "VX3_WB_SetMode",
         "VX3_GC_SetAgc", "VX3_GC_GetAgc", "VX3_BB_GetMode", "VX3_EXP_SetMode", "VX3_EXP_GetMode"}))

} // namespace
} // namespace halvex::test
