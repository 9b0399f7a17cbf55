// What one manufactured camera has of its own: its lamp, its sensor's sensitivities, its fault.
#include "Unit.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace vx3sim {

namespace {

constexpr const char* UnitVariable = "VX3SIM_UNIT";
constexpr const char* BadUnitVariable = "VX3SIM_BAD_UNIT";

// Halogen lamps of one type, run at the voltages their supplies give, and the spread of the
// sensors' colour filters.
constexpr double LampKelvinLow = 2950.0;
constexpr double LampKelvinHigh = 3450.0;
constexpr double RedSpread = 0.05;
constexpr double BlueSpread = 0.06;
// A lamp run far below its voltage.
constexpr double WarmLampKelvin = 2100.0;

// Where the channels' colour filters pass most light, in nanometres, and the second radiation
// constant in nanometre kelvin: the channels' share of a lamp's light follows Wien's law.
constexpr double RedNm = 600.0;
constexpr double GreenNm = 540.0;
constexpr double BlueNm = 460.0;
constexpr double SecondRadiationConstant = 1.4388e7;

// Auto-exposure targets (AEW, AEB) of the units whose exposure trim is wrong.
constexpr std::uint8_t DarkTargets[] = {0x19, 0x11};
constexpr std::uint8_t BrightTargets[] = {0xF2, 0xEA};

constexpr double MeteringErrorLimit = 0.01;

std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// A number from -1 to 1, the same for the same inputs on every platform.
double spread(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t bits = mix(mix(a) ^ b) >> 11;
    return static_cast<double>(bits) / static_cast<double>(1ULL << 52) - 1.0;
}

// Light of a channel relative to green, at `kelvin` compared with the nominal lamp.
double lampShift(double channelNm, double kelvin) {
    return std::exp(SecondRadiationConstant * (1.0 / GreenNm - 1.0 / channelNm) *
                    (1.0 / kelvin - 1.0 / Unit::NominalLampKelvin));
}

} // namespace

Unit Unit::make(std::uint32_t seed, BadUnit fault, std::uint8_t stuckRegister) {
    Unit unit;
    unit.m_seed = seed;
    unit.m_fault = fault;
    unit.m_stuckRegister = stuckRegister;
    if (seed != 0) {
        const double middle = (LampKelvinLow + LampKelvinHigh) / 2.0;
        unit.m_lampKelvin = middle + spread(seed, 1) * (LampKelvinHigh - middle);
        unit.m_redSensitivity = 1.0 + spread(seed, 2) * RedSpread;
        unit.m_blueSensitivity = 1.0 + spread(seed, 3) * BlueSpread;
    }
    if (fault == BadUnit::WarmLamp) {
        unit.m_lampKelvin = WarmLampKelvin;
    }
    return unit;
}

std::optional<Unit::Fault> Unit::parseFault(std::string_view name) {
    struct Named {
        std::string_view name;
        BadUnit kind;
    };
    constexpr Named Names[] = {
        {"", BadUnit::None},
        {"none", BadUnit::None},
        {"warm-lamp", BadUnit::WarmLamp},
        {"unsettled-balance", BadUnit::UnsettledBalance},
        {"dark-target", BadUnit::DarkTarget},
        {"bright-target", BadUnit::BrightTarget},
        {"stuck-register", BadUnit::StuckRegister},
    };
    std::uint8_t stuck = 0x01;
    const std::size_t colon = name.find(':');
    if (colon != std::string_view::npos) {
        const std::string digits(name.substr(colon + 1));
        char* end = nullptr;
        const unsigned long value = std::strtoul(digits.c_str(), &end, 16);
        if (digits.empty() || *end != '\0' || value > 0xFF) {
            return std::nullopt;
        }
        stuck = static_cast<std::uint8_t>(value);
        name = name.substr(0, colon);
        if (name != "stuck-register") {
            return std::nullopt;
        }
    }
    for (const Named& named : Names) {
        if (named.name == name) {
            return Fault{named.kind, stuck};
        }
    }
    return std::nullopt;
}

Unit Unit::fromEnvironment() {
    std::uint32_t seed = 0;
    if (const char* text = std::getenv(UnitVariable); text != nullptr) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(text, &end, 10);
        seed = *end == '\0' ? static_cast<std::uint32_t>(value) : 0;
    }
    Fault fault{BadUnit::None, 0x01};
    if (const char* text = std::getenv(BadUnitVariable); text != nullptr) {
        fault = parseFault(text).value_or(fault);
    }
    return make(seed, fault.kind, fault.stuckRegister);
}

ChannelResponse Unit::response(const SensorModel& model) const {
    const ChannelResponse spectral = model.spectralResponse();
    return {spectral.red * m_redSensitivity * lampShift(RedNm, m_lampKelvin), spectral.green,
            spectral.blue * m_blueSensitivity * lampShift(BlueNm, m_lampKelvin)};
}

RegisterFile Unit::powerOn(const SensorModel& model) const {
    RegisterFile registers = model.powerOn();
    if (m_fault == BadUnit::DarkTarget || m_fault == BadUnit::BrightTarget) {
        const auto& targets = m_fault == BadUnit::DarkTarget ? DarkTargets : BrightTargets;
        registers[reg::ExposureWhite] = targets[0];
        registers[reg::ExposureBlack] = targets[1];
    }
    return registers;
}

std::optional<std::uint8_t> Unit::stuckRegister() const {
    return m_fault == BadUnit::StuckRegister ? std::optional(m_stuckRegister) : std::nullopt;
}

double Unit::meteringError(std::int64_t frame, int channel) const {
    return MeteringErrorLimit * spread(m_seed, static_cast<std::uint64_t>(frame) * 4 +
                                                   static_cast<std::uint64_t>(channel) + 16);
}

} // namespace vx3sim
