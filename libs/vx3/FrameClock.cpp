// Frame timing of the sensor: the period the clock prescaler and frame adjust registers set.
#include "FrameClock.h"

#include <algorithm>
#include <cmath>

namespace vx3sim {

namespace {
constexpr std::int64_t MicrosecondsPerSecond = 1'000'000;
constexpr std::int64_t MaxAdjust = 1023;
constexpr std::int64_t MaxPrescale = 64;
} // namespace

std::int64_t FrameClock::linesOf(const RegisterFile& r) {
    const std::int64_t prescale = (r[reg::ClockPrescaler] & 0x3F) + 1;
    const std::uint8_t high = r[reg::FrameAdjustHigh];
    const std::int64_t adjust = (high & 0x80) ? ((high & 0x03) << 8) | r[reg::FrameAdjustLow] : 0;
    return prescale * (LinesPerFrame + adjust);
}

FrameClock::TimingRegisters FrameClock::registersFor(int framesPerSecond,
                                                     std::uint8_t prescalerNow) {
    // The prescale and adjust pair whose frame comes closest to the wanted length; the first of
    // equals, so that rates that divide the line clock come out exact.
    const double lines = static_cast<double>(LinesPerSecond) / framesPerSecond;
    std::int64_t bestPrescale = 1, bestAdjust = 0;
    double bestError = lines;
    for (std::int64_t prescale = 1; prescale <= MaxPrescale; ++prescale) {
        const auto adjust = std::clamp<std::int64_t>(
            std::llround(lines / static_cast<double>(prescale)) - LinesPerFrame, 0, MaxAdjust);
        const double error =
            std::abs(static_cast<double>(prescale * (LinesPerFrame + adjust)) - lines);
        if (error < bestError) {
            bestPrescale = prescale;
            bestAdjust = adjust;
            bestError = error;
        }
    }
    TimingRegisters t{};
    t.prescaler = static_cast<std::uint8_t>((prescalerNow & 0xC0) | (bestPrescale - 1));
    t.adjustHigh = static_cast<std::uint8_t>(bestAdjust ? 0x80 | (bestAdjust >> 8) : 0x00);
    t.adjustLow = static_cast<std::uint8_t>(bestAdjust & 0xFF);
    return t;
}

int FrameClock::framesPerSecond(std::int64_t lines) {
    return static_cast<int>(std::max<std::int64_t>(1, (2 * LinesPerSecond + lines) / (2 * lines)));
}

void FrameClock::anchor(std::int64_t time, std::int64_t index) {
    m_originTime = time;
    m_originIndex = index;
}

void FrameClock::setLines(std::int64_t lines, std::int64_t now) {
    if (lines == m_lines) {
        return;
    }
    const std::int64_t last = indexAt(now);
    anchor(timeOf(last), last);
    m_lines = lines;
}

std::int64_t FrameClock::indexAt(std::int64_t time) const {
    if (time <= m_originTime) {
        return m_originIndex;
    }
    return m_originIndex +
           (time - m_originTime) * LinesPerSecond / (MicrosecondsPerSecond * m_lines);
}

std::int64_t FrameClock::timeOf(std::int64_t index) const {
    const std::int64_t scaled = (index - m_originIndex) * MicrosecondsPerSecond * m_lines;
    return m_originTime + (scaled + LinesPerSecond - 1) / LinesPerSecond;
}

} // namespace vx3sim
