// The running image sensor: register file, frame ticks and the automatic loops between them.
#pragma once

#include <cstdint>

#include "AutoLoops.h"
#include "FrameClock.h"
#include "SensorModel.h"
#include "Unit.h"

namespace vx3sim {

// The sensor runs whether or not anybody watches: the loops advance once per frame tick, worked
// off lazily up to the current time whenever registers or frames are needed.
class Sensor {
public:
    Sensor();

    // All registers to the unit's power-on values; frame 0 ticks at `now`.
    void powerOn(const SensorModel& model, const Unit& unit, std::int64_t now);
    // Runs the loops for every frame that has ticked up to `now`.
    void advanceTo(std::int64_t now);

    std::uint8_t read(std::uint8_t address) const { return m_registers[address]; }
    // A host write: read-only bits, a stuck register and registers owned by a running loop keep
    // their value, COMA bit 7 is a soft reset, and the timing registers change the frame period
    // from `now`.
    void write(std::uint8_t address, std::uint8_t value, std::int64_t now);
    bool ownedByLoop(std::uint8_t address) const;

    const SensorModel& model() const { return *m_model; }
    const Unit& unit() const { return m_unit; }
    ImageSettings imageSettings() const;
    const FrameClock& frames() const { return m_frames; }
    // Moves every stored time by `delta`, when the time source changes.
    void shiftTime(std::int64_t delta) { m_frames.shift(delta); }

private:
    const SensorModel* m_model;
    Unit m_unit;
    ChannelResponse m_response;
    RegisterFile m_powerOn{};
    RegisterFile m_registers{};
    LoopState m_loops;
    FrameClock m_frames;
    std::int64_t m_loopFrame = 0;
};

} // namespace vx3sim
