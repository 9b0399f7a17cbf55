// A time source whose clock moves only when somebody sleeps or advances it: tests run in virtual
// time.
#pragma once

#include "framework/TimeSource.h"

#include <functional>

namespace halvex {

class VirtualTimeSource final : public TimeSource {
public:
    explicit VirtualTimeSource(std::int64_t startMicroseconds = 1'000'000'000'000LL)
        : m_now(startMicroseconds) {}

    void sleep(int milliseconds) override;
    std::uint32_t tickCount() override;
    std::int64_t wallClockSeconds() override;

    std::int64_t nowMicroseconds() const { return m_now; }
    void advanceMicroseconds(std::int64_t duration);
    // Total virtual time slept through sleep(), in milliseconds.
    std::int64_t sleptMilliseconds() const { return m_slept; }

    // Called after every sleep with the length slept (lets a test act "during" a pause).
    std::function<void(int milliseconds)> onSleep;

private:
    std::int64_t m_now;
    std::int64_t m_slept = 0;
};

} // namespace halvex
