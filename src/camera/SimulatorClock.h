// Runs the simulated camera on the tool's virtual time source, so that its frames and loops keep
// pace with the tool's pauses.
#pragma once

#include "framework/VirtualTimeSource.h"

#include <VX3Sim.h>

namespace halvex {

class SimulatorClock final : public vx3sim::Clock {
public:
    explicit SimulatorClock(VirtualTimeSource& time) : m_time(time) {}
    std::int64_t nowMicroseconds() override { return m_time.nowMicroseconds(); }
    void sleepMicroseconds(std::int64_t duration) override { m_time.advanceMicroseconds(duration); }

private:
    VirtualTimeSource& m_time;
};

} // namespace halvex
