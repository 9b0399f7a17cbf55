// Dialog 142: the camera's identity and modes, as the camera library reports them.
#pragma once

#include "framework/Dialog.h"

namespace halvex {

class DeviceInfoDialog final : public Dialog {
public:
    explicit DeviceInfoDialog(QWidget* parent = nullptr);

    // The eight lines shown; switches automatic gain on and exposure to automatic on the way.
    static QString BuildDeviceText();

protected:
    bool onInitDialog() override;
};

} // namespace halvex
