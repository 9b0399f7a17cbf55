// What one manufactured camera has of its own: its lamp, its sensor's sensitivities, its fault.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "SensorModel.h"
#include "VX3Sim.h"

namespace vx3sim {

class Unit {
public:
    static constexpr double NominalLampKelvin = 3200.0;

    // Seed 0 is the nominal unit.
    static Unit make(std::uint32_t seed, BadUnit fault, std::uint8_t stuckRegister);
    // The unit the environment names (VX3SIM_UNIT, VX3SIM_BAD_UNIT); the nominal sound unit where
    // a variable is missing or unreadable.
    static Unit fromEnvironment();
    // "warm-lamp", "stuck-register:02"...; nothing for an unknown name.
    struct Fault {
        BadUnit kind;
        std::uint8_t stuckRegister;
    };
    static std::optional<Fault> parseFault(std::string_view name);

    std::uint32_t seed() const { return m_seed; }
    BadUnit fault() const { return m_fault; }
    double lampKelvin() const { return m_lampKelvin; }
    // Light of each channel relative to the nominal unit's OV7610 seeing the same scene.
    ChannelResponse response(const SensorModel& model) const;
    // The sensor's power-on registers as this unit's camera loads them.
    RegisterFile powerOn(const SensorModel& model) const;
    std::optional<std::uint8_t> stuckRegister() const;
    // Error of the automatic white balance's own estimate of a channel at a frame: -1 % to +1 %,
    // the same for the same unit, frame and channel.
    double meteringError(std::int64_t frame, int channel) const;

private:
    std::uint32_t m_seed = 0;
    BadUnit m_fault = BadUnit::None;
    std::uint8_t m_stuckRegister = 0x01;
    double m_lampKelvin = NominalLampKelvin;
    double m_redSensitivity = 1.0; // relative to green
    double m_blueSensitivity = 1.0;
};

} // namespace vx3sim
