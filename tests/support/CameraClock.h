// Lets the simulated camera run on the tool's own (virtual) time source.
#pragma once

#include "framework/VirtualTimeSource.h"

#include <VX3Sim.h>

namespace halvex::test {

class CameraClock final : public vx3sim::Clock {
public:
    explicit CameraClock(VirtualTimeSource& time) : m_time(time) {}
    std::int64_t nowMicroseconds() override { return m_time.nowMicroseconds(); }
    void sleepMicroseconds(std::int64_t duration) override { m_time.advanceMicroseconds(duration); }

private:
    VirtualTimeSource& m_time;
};

} // namespace halvex::test
