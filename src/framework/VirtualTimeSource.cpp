// Virtual time: sleeping advances the clock at once.
#include "framework/VirtualTimeSource.h"

namespace halvex {

void VirtualTimeSource::sleep(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    advanceMicroseconds(static_cast<std::int64_t>(milliseconds) * 1000);
    m_slept += milliseconds;
    if (onSleep) {
        onSleep(milliseconds);
    }
}

std::uint32_t VirtualTimeSource::tickCount() {
    return static_cast<std::uint32_t>(m_now / 1000);
}

std::int64_t VirtualTimeSource::wallClockSeconds() {
    return m_now / 1'000'000;
}

void VirtualTimeSource::advanceMicroseconds(std::int64_t duration) {
    if (duration > 0) {
        m_now += duration;
    }
}

} // namespace halvex
