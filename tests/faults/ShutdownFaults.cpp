// Fault tables of shut-down, from the idle window and while live: the window always ends.
#include "FaultMatrix.h"
#include "app/CameraDataDialog.h"
#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

void closeWindow(FaultMatrix& m) {
    m.window->close();
}

HALVEX_FAULT_STAGE(ShutDown, "shut-down", true, nullptr, closeWindow,
                   {
                       {"VX3_LV_IsMovieRunning", 1, {}, true},
                       {"VX3_IsConnectUsb", 1, {}, true, false},
                       {"VX3_UnmountCamera", 1, {text::UnmountFailed}, true},
                       {Unplugged, 1, {}, true, false},
                   })

HALVEX_FAULT_STAGE(ShutDownWhileLive, "shut-down while live", true,
                   [](FaultMatrix& m) { m.click(MainId::Start); }, closeWindow,
                   {
                       // The library's running state is what the close sequence goes by.
                       {"VX3_LV_IsMovieRunning", 1, {}, true},
                       // A movie that will not stop is given up after three attempts.
                       {"VX3_LV_StopMovie",
                        1,
                        {text::StopMovieFailed, text::StopMovieFailed, text::StopMovieFailed},
                        true},
                       {"VX3_IsConnectUsb", 1, {}, true, false},
                       {"VX3_UnmountCamera", 1, {text::UnmountFailed}, true},
                       {Unplugged, 1, {}, true, false},
                   })

} // namespace
} // namespace halvex::test
