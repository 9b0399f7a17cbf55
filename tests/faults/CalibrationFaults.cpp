// Fault tables of the calibration procedures, each run while live view runs: the camera's own
// balance settling ("Get Auto Adj. Values") and the tool's own passes ("Get Manual Adj. Values").
#include "FaultMatrix.h"
#include "app/CameraDataDialog.h"
#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

void startLiveView(FaultMatrix& m) {
    m.window->ShowMaintenanceLayout();
    m.click(MainId::Start);
}

HALVEX_FAULT_STAGE(
    AutoAdjustment, "Get Auto Adj. Values", true, startLiveView,
    [](FaultMatrix& m) { m.click(MainId::GetAutoAdjValues); },
    cellsWith(
        {
            // Live view looks stopped: Start's sequence runs again under the running movie.
            {"VX3_LV_IsMovieRunning", 1, {}},
            // Unplugged, the live view looks stopped and Start finds no camera.
            {Unplugged, 1, {text::DeviceNotDetected}, true, false},
        },
        {"VX3_WB_SetWbVal", "VX3_WB_GetWbVal", "VX3_EST_SetAdrsData", "VX3_EST_GetAdrsData"}))

HALVEX_FAULT_STAGE(
    ManualAdjustment, "Get Manual Adj. Values", true, startLiveView,
    [](FaultMatrix& m) { m.click(MainId::GetManualAdjValues); },
    cellsWith(
        {
            // Live view looks stopped: Start's sequence runs again under the running movie.
            {"VX3_LV_IsMovieRunning", 1, {}},
            {"VX3_LV_ContinueMovie", 1, {text::ContinueMovieFailed}, true},
            {Unplugged, 1, {text::DeviceNotDetected}, true, false},
        },
        // Refused gains leave the camera on the neutral ones the start-up sequence wrote.
        {"VX3_WB_SetWbVal", "VX3_WB_GetWbVal", "VX3_EST_SetAdrsData", "VX3_EST_GetAdrsData"}))

} // namespace
} // namespace halvex::test
