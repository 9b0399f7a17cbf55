// Frame timing of the sensor: the period the clock prescaler and frame adjust registers set.
#pragma once

#include <cstdint>

#include "SensorModel.h"

namespace vx3sim {

class FrameClock {
public:
    // Line time of the sensor: 525 lines make one frame at 30 frames per second.
    static constexpr std::int64_t LinesPerSecond = 15750;
    static constexpr std::int64_t LinesPerFrame = 525;

    struct TimingRegisters {
        std::uint8_t prescaler;
        std::uint8_t adjustHigh;
        std::uint8_t adjustLow;
    };

    // Lines per frame that the timing registers ask for.
    static std::int64_t linesOf(const RegisterFile& registers);
    // Register values that give the rate (1..30 frames per second) as closely as the lines allow.
    static TimingRegisters registersFor(int framesPerSecond, std::uint8_t prescalerNow);
    // Frames per second, rounded, at least 1.
    static int framesPerSecond(std::int64_t lines);

    // Frame `index` ticks at `time` (microseconds).
    void anchor(std::int64_t time, std::int64_t index);
    // Keeps the last tick at or before `now` and continues from it with the new period.
    void setLines(std::int64_t lines, std::int64_t now);
    void shift(std::int64_t delta) { m_originTime += delta; }

    std::int64_t lines() const { return m_lines; }
    // The newest frame that has ticked at `time`.
    std::int64_t indexAt(std::int64_t time) const;
    std::int64_t timeOf(std::int64_t index) const;

private:
    std::int64_t m_originTime = 0;
    std::int64_t m_originIndex = 0;
    std::int64_t m_lines = LinesPerFrame;
};

} // namespace vx3sim
