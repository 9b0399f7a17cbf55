// The templates that the tool's windows are built from.
#pragma once

#include "resources/DialogTemplate.h"

namespace halvex {

extern const DialogTemplate kMainDialogTemplate;
extern const DialogTemplate kDeviceInfoDialogTemplate;
extern const DialogTemplate kAboutDialogTemplate;
extern const DialogTemplate kCameraSetting1Template;
extern const DialogTemplate kCameraSetting2Template;
extern const DialogTemplate kProcessingScreenTemplate;
extern const MenuTemplate kMainMenuTemplate;
extern const DialogTemplate kAppDataDialogTemplate;
extern const DialogTemplate kParameterPageTemplate;
extern const DialogTemplate kCaptureScreenPageTemplate;
extern const DialogTemplate kLibraryScreenPageTemplate;
extern const MenuTemplate kAppDataMenuTemplate;

} // namespace halvex
