// The application object.
#include "app/HalvexApp.h"

#include "app/CameraDataDialog.h"
#include "framework/DialogService.h"

namespace halvex {

bool HalvexApp::InitInstance() {
    CameraDataDialog dialog;
    try {
        dialogService().runModal(dialog);
    } catch (const HandlerAbort&) {
        // A fatal camera failure has already closed the window: the run simply ends.
    }
    return false;
}

} // namespace halvex
