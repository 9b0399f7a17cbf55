// The application object: runs the main window modally; the program ends when it ends.
#pragma once

namespace halvex {

class HalvexApp {
public:
    // Runs the main window to its end; always false, so that the program then ends.
    bool InitInstance();
};

} // namespace halvex
