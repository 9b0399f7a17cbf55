// The running image sensor: register file, frame ticks and the automatic loops between them.
#pragma once

#include <cstdint>

#include "FrameClock.h"
#include "SensorModel.h"

namespace vx3sim {

// The sensor runs whether or not anybody watches: the loops advance once per frame tick, worked
// off lazily up to the current time whenever registers or frames are needed.
class Sensor {
public:
    Sensor();

    // All registers to the model's power-on values; frame 0 ticks at `now`.
    void powerOn(const SensorModel& model, std::int64_t now);
    // Runs the loops for every frame that has ticked up to `now`.
    void advanceTo(std::int64_t now);

    std::uint8_t read(std::uint8_t address) const { return m_registers[address]; }
    // A host write: read-only bits and registers owned by a running loop keep their value,
    // COMA bit 7 is a soft reset, and the timing registers change the frame period from `now`.
    void write(std::uint8_t address, std::uint8_t value, std::int64_t now);
    bool ownedByLoop(std::uint8_t address) const;

    const SensorModel& model() const { return *m_model; }
    ImageSettings imageSettings() const { return m_model->imageSettings(m_registers); }
    const FrameClock& frames() const { return m_frames; }
    // Moves every stored time by `delta`, when the time source changes.
    void shiftTime(std::int64_t delta) { m_frames.shift(delta); }

private:
    const SensorModel* m_model;
    RegisterFile m_registers{};
    FrameClock m_frames;
    std::int64_t m_loopFrame = 0;
};

} // namespace vx3sim
