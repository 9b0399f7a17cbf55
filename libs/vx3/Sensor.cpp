// The running image sensor: register file, frame ticks and the automatic loops between them.
#include "Sensor.h"

#include <algorithm>

#include "Scene.h"

namespace vx3sim {

namespace {
// Frames without any loop change after which the loops are known to be settled: every loop has
// had its turn (the slowest updates every 64 frames) and found nothing to do.
constexpr std::int64_t SettledFrames = 64;
} // namespace

Sensor::Sensor() : m_model(&SensorModel::forVersion("OV7610")) {}

void Sensor::powerOn(const SensorModel& model, const Unit& unit, std::int64_t now) {
    m_model = &model;
    m_unit = unit;
    m_response = unit.response(model);
    m_powerOn = unit.powerOn(model);
    m_registers = m_powerOn;
    m_loops = LoopState{};
    m_frames = FrameClock{};
    m_frames.anchor(now, 0);
    m_frames.setLines(FrameClock::linesOf(m_registers), now);
    m_loopFrame = 0;
}

void Sensor::advanceTo(std::int64_t now) {
    const std::int64_t last = m_frames.indexAt(now);
    if (last <= m_loopFrame) {
        return; // no frame has ended since the last step (the scene need not even be metered)
    }
    const SceneLight scene = Scene::meteredLight();
    const SceneLight light{scene.red * m_response.red, scene.green * m_response.green,
                           scene.blue * m_response.blue};
    const auto stuck = m_unit.stuckRegister();
    std::int64_t quiet = 0;
    for (std::int64_t frame = m_loopFrame + 1; frame <= last && quiet < SettledFrames; ++frame) {
        const RegisterFile before = m_registers;
        stepAutoLoops(m_registers, m_loops, *m_model, light, m_unit, frame);
        if (stuck) {
            m_registers[*stuck] = m_powerOn[*stuck];
        }
        quiet = m_registers == before ? quiet + 1 : 0;
    }
    m_loopFrame = last;
}

ImageSettings Sensor::imageSettings() const {
    ImageSettings settings = m_model->imageSettings(m_registers);
    settings.response = m_response;
    settings.noiseSeed = m_unit.seed();
    return settings;
}

bool Sensor::ownedByLoop(std::uint8_t address) const {
    const LoopSettings loops = m_model->loopSettings(m_registers);
    switch (address) {
    case reg::BlueGain:
    case reg::RedGain:
        return loops.awbOn;
    case reg::AgcGain:
        return loops.agcOn;
    case reg::Exposure:
        return loops.aecOn;
    default:
        return false;
    }
}

void Sensor::write(std::uint8_t address, std::uint8_t value, std::int64_t now) {
    advanceTo(now);
    if (ownedByLoop(address) || m_unit.stuckRegister() == address) {
        return;
    }
    if (address == reg::ComA && (value & bit::SoftReset)) {
        m_registers = m_powerOn;
        m_loops = LoopState{};
    } else {
        const std::uint8_t fixed = m_model->readOnlyBits(address);
        m_registers[address] =
            static_cast<std::uint8_t>((m_registers[address] & fixed) | (value & ~fixed));
    }
    m_frames.setLines(FrameClock::linesOf(m_registers), now);
}

} // namespace vx3sim
