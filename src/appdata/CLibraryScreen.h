// The Library Screen page: the folders and file names of the camera application's library
// screen.
#pragma once

#include "appdata/SettingsPage.h"

namespace halvex {

class CLibraryScreen final : public SettingsPage {
public:
    CLibraryScreen();
};

} // namespace halvex
