// The templates that the tool's windows are built from.
#pragma once

#include "resources/DialogTemplate.h"

namespace halvex {

extern const DialogTemplate kMainDialogTemplate;
extern const DialogTemplate kDeviceInfoDialogTemplate;
extern const DialogTemplate kAboutDialogTemplate;
extern const DialogTemplate kProcessingScreenTemplate;
extern const MenuTemplate kMainMenuTemplate;

} // namespace halvex
