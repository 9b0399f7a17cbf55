// The Library Screen page: the folders and file names of the camera application's library
// screen.
#pragma once

#include "appdata/PageBindings.h"
#include "resources/DialogTemplates.h"

namespace halvex {

class CLibraryScreen final : public SettingsPage {
public:
    CLibraryScreen() : SettingsPage(kLibraryScreenPageTemplate, libraryScreenBindings()) {}
};

} // namespace halvex
