// The Capture Screen page: the CaptureScreenParameter keys of the camera application's capture
// screen.
#pragma once

#include "appdata/SettingsPage.h"

namespace halvex {

class CCaptureScreen final : public SettingsPage {
public:
    CCaptureScreen();
};

} // namespace halvex
