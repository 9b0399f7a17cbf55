// The application object.
#include "app/HalvexApp.h"

#include "app/CameraDataDialog.h"
#include "framework/DialogService.h"

namespace halvex {

bool HalvexApp::InitInstance() {
    CameraDataDialog dialog(m_options);
    try {
        dialogService().runModal(dialog);
    } catch (const HandlerAbort&) {
        // A fatal camera failure has already closed the window: the run simply ends.
    }
    return false;
}

} // namespace halvex
