// The application object: runs the main window modally; the program ends when it ends.
#pragma once

#include "app/StartupOptions.h"

#include <utility>

namespace halvex {

class HalvexApp {
public:
    explicit HalvexApp(StartupOptions options = {}) : m_options(std::move(options)) {}

    // Runs the main window to its end; always false, so that the program then ends.
    bool InitInstance();

private:
    StartupOptions m_options;
};

} // namespace halvex
