// Fault table of still capture: a JPEG and a bitmap captured from the Maintenance Screen. No
// library result is tested there, so every failure passes silently.
#include "FaultMatrix.h"
#include "app/CameraDataDialog.h"
#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

HALVEX_FAULT_STAGE(
    Capture, "capture", true, [](FaultMatrix& m) { m.window->ShowMaintenanceLayout(); },
    [](FaultMatrix& m) {
        for (const char* name : {"shot.jpg", "shot.bmp"}) {
            m.dialogs.fileAnswers.push_back(m.workPath(QString::fromLatin1(name)));
            m.click(MainId::Capture);
        }
    },
    cellsWith({{Unplugged, 1, {}, false, false}},
              {"VX3_SIA_SetImageSize", "VX3_SIA_GetImageSize", "VX3_SIA_CaptureJpg",
               "VX3_SIA_CaptureBmp", "VX3_SIA_GetImageInfo", "VX3_SIA_SaveImageJpg",
               "VX3_SIA_SaveImageBmp"}))

} // namespace
} // namespace halvex::test
