// Fault tables of live view: the Start button with the camera start-up sequence, then frames and
// the Stop button while live.
#include "FaultMatrix.h"
#include "app/CameraDataDialog.h"
#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

HALVEX_FAULT_STAGE(
    Start, "Start", true, nullptr, [](FaultMatrix& m) { m.click(MainId::Start); },
    cellsWith(
        {
            // The connection check fails again at shut-down, so the camera is not unmounted.
            {"VX3_IsConnectUsb", 1, {text::DeviceNotDetected}, true, false},
            {"VX3_LV_StartMovie", 1, {text::StartMovieFailed}, true},
            // The gains keep their power-on values: the start-up sequence never reads back
            // the stored white balance, warns after 45 s and goes on.
            {"VX3_WB_SetWbVal", 1, {text::WhiteBalanceWarning}},
            {Unplugged, 1, {text::DeviceNotDetected}, true, false},
        },
        // The start-up sequence examines no other result: a refused register read still runs
        // the white-balance check, which the stored balance then passes.
        {"VX3_LV_SetImageSize", "VX3_SIA_GetImageInfo", "VX3_EST_GetAdrsData",
         "VX3_EST_SetAdrsData", "VX3_LV_SetFrameRate", "VX3_WB_GetWbVal"}))

HALVEX_FAULT_STAGE(
    LiveView, "live view", true, [](FaultMatrix& m) { m.click(MainId::Start); },
    [](FaultMatrix& m) {
        for (int frame = 0; frame < 3 && !m.window->hasEnded(); ++frame) {
            m.window->fireTimer(CameraDataDialog::LiveViewTimerId);
        }
        if (!m.window->hasEnded()) {
            m.click(MainId::Stop);
        }
    },
    {
        {"VX3_LV_ContinueMovie", 1, {text::ContinueMovieFailed}, true},
        {"VX3_LV_StopMovie", 1, {text::StopMovieFailed}},
        {Unplugged, 1, {text::ContinueMovieFailed}, true, false},
    })

} // namespace
} // namespace halvex::test
