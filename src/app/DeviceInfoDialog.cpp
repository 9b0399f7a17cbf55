// Dialog 142: the camera's identity and modes.
#include "app/DeviceInfoDialog.h"

#include "calibration/CameraIdentity.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

namespace halvex {

DeviceInfoDialog::DeviceInfoDialog(QWidget* parent) : Dialog(kDeviceInfoDialogTemplate, parent) {}

QString DeviceInfoDialog::BuildDeviceText() {
    return DeviceInformationText();
}

bool DeviceInfoDialog::onInitDialog() {
    Dialog::onInitDialog();
    controls().setText(MainId::DeviceText, BuildDeviceText());
    return true;
}

} // namespace halvex
