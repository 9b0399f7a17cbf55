// The Capture Screen page: the CaptureScreenParameter keys of the camera application's capture
// screen.
#pragma once

#include "appdata/PageBindings.h"
#include "resources/DialogTemplates.h"

namespace halvex {

class CCaptureScreen final : public SettingsPage {
public:
    CCaptureScreen() : SettingsPage(kCaptureScreenPageTemplate, captureScreenBindings()) {}
};

} // namespace halvex
