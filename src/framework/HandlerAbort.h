// Ends the running message handler early; the framework's dispatch absorbs it before the event
// loop.
#pragma once

#include <QtGlobal>
#include <exception>

namespace halvex {

struct HandlerAbort {
    int code = 0;
};

// Runs one message handler: a HandlerAbort ends it quietly; any other exception is reported and
// absorbed, so that nothing crosses the event loop.
template <typename F> void dispatchHandler(F&& handler) noexcept {
    try {
        handler();
    } catch (const HandlerAbort&) {
        // The handler closed its window and gave up on purpose.
    } catch (const std::exception& error) {
        qCritical("Unexpected failure in a message handler: %s", error.what());
    } catch (...) {
        qCritical("Unexpected failure in a message handler");
    }
}

} // namespace halvex
