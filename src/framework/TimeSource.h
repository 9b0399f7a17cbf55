// Time as the system sees it (blocking sleep, millisecond tick count, wall clock), replaceable by
// tests.
#pragma once

#include <cstdint>

namespace halvex {

class TimeSource {
public:
    virtual ~TimeSource() = default;
    // Blocks the calling (user-interface) thread; no window message is dispatched meanwhile.
    virtual void sleep(int milliseconds) = 0;
    // Milliseconds since an arbitrary start, wrapping like a 32-bit tick counter.
    virtual std::uint32_t tickCount() = 0;
    // Whole seconds of the wall clock.
    virtual std::int64_t wallClockSeconds() = 0;
};

// The process-wide time source: the system's own unless a test installed another.
TimeSource& timeSource();
// nullptr restores the system's time source. The installed source must outlive its use.
void setTimeSource(TimeSource* source);

} // namespace halvex
