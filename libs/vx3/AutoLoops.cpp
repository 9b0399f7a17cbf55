// The sensor's automatic loops: white balance, exposure and gain, one step per frame.
#include "AutoLoops.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

namespace vx3sim {

namespace {

// Frames between updates of the exposure and gain loops when they run slowly.
constexpr std::int64_t SlowExposurePeriod = 8;
// Share of the way to its goal that a slow exposure or gain loop moves per update.
constexpr double SlowShare = 0.25;
// A white-balance gain closer than this to its ideal value is left alone.
constexpr double BalanceDeadband = 0.75;
constexpr double MaxExposure = 255.0;

struct GainStep {
    std::uint8_t code;
    double gain;
};

// The AGC register's codes in increasing gain, one code per distinct gain.
const std::vector<GainStep>& gainLadder() {
    static const std::vector<GainStep> ladder = [] {
        std::vector<GainStep> all;
        for (std::uint8_t code = 0; code < 64; ++code) {
            all.push_back({code, SensorModel::agcGain(code)});
        }
        std::stable_sort(all.begin(), all.end(),
                         [](const GainStep& a, const GainStep& b) { return a.gain < b.gain; });
        all.erase(
            std::unique(all.begin(), all.end(),
                        [](const GainStep& a, const GainStep& b) { return a.gain == b.gain; }),
            all.end());
        return all;
    }();
    return ladder;
}

// The smallest gain with which the exposure register can reach `total` (exposure x gain).
GainStep gainReaching(double total) {
    for (const GainStep& step : gainLadder()) {
        if (total / step.gain <= MaxExposure) {
            return step;
        }
    }
    return gainLadder().back();
}

GainStep nearestGain(double gain) {
    const auto& ladder = gainLadder();
    return *std::min_element(ladder.begin(), ladder.end(),
                             [gain](const GainStep& a, const GainStep& b) {
                                 return std::abs(a.gain - gain) < std::abs(b.gain - gain);
                             });
}

using ExposureRegisters = std::pair<std::uint8_t, std::uint8_t>; // AGC gain, exposure

bool stepExposure(RegisterFile& r, const SensorModel& model, const LoopSettings& loops,
                  const SceneLight& light, std::int64_t frame) {
    const bool aecDue = loops.aecOn && (loops.aecFast || frame % SlowExposurePeriod == 0);
    const bool agcDue = loops.agcOn && (loops.alcFast || frame % SlowExposurePeriod == 0);
    if (!aecDue && !agcDue) {
        return false;
    }
    const ImageSettings image = model.imageSettings(r);
    const double metered = std::min(1.0, light.green * image.exposure * image.analogGain) * 255.0;
    if (metered >= loops.exposureBlack && metered <= loops.exposureWhite) {
        return false;
    }
    const double agc = SensorModel::agcGain(r[reg::AgcGain]);
    const double exposure = r[reg::Exposure];
    const double total = exposure * agc;
    const double middle = (loops.exposureBlack + loops.exposureWhite) / 2.0;
    const double ideal = total * std::clamp(middle / std::max(metered, 1.0), 0.25, 4.0);

    // Splits a total into the registers: exposure first, gain only where exposure cannot reach.
    const auto split = [&](double wanted) -> ExposureRegisters {
        GainStep gain{static_cast<std::uint8_t>(r[reg::AgcGain] & 0x3F), agc};
        if (aecDue && agcDue) {
            gain = gainReaching(wanted);
        } else if (agcDue) {
            gain = nearestGain(wanted / std::max(exposure, 1.0));
        }
        const double newExposure = aecDue ? wanted / gain.gain : exposure;
        return {static_cast<std::uint8_t>((r[reg::AgcGain] & 0xC0) | gain.code),
                static_cast<std::uint8_t>(std::lround(std::clamp(newExposure, 1.0, MaxExposure)))};
    };
    const ExposureRegisters now{r[reg::AgcGain], r[reg::Exposure]};
    const bool fast = aecDue ? loops.aecFast : loops.alcFast;
    ExposureRegisters next = split(fast ? ideal : total + (ideal - total) * SlowShare);
    if (next == now) {
        next = split(ideal); // a slow step too small to show still ends at the goal
    }
    std::tie(r[reg::AgcGain], r[reg::Exposure]) = next;
    return next != now;
}

// Moves one gain register toward the value that makes its channel match green times the target.
bool balanceChannel(std::uint8_t& gainRegister, double rawChannel, double green, double target) {
    const double gain = gainRegister;
    const double measured = std::min(1.0, rawChannel * gain / 64.0);
    const double ideal =
        measured > 0.0 ? std::clamp(gain * green * target / measured, 0.0, 255.0) : 255.0;
    const double delta = ideal - gain;
    if (std::abs(delta) < BalanceDeadband) {
        return false;
    }
    int step = static_cast<int>(delta / 2.0);
    if (step == 0) {
        step = delta > 0 ? 1 : -1;
    }
    gainRegister = static_cast<std::uint8_t>(std::clamp(gainRegister + step, 0, 255));
    return true;
}

bool stepWhiteBalance(RegisterFile& r, const SensorModel& model, const LoopSettings& loops,
                      const SceneLight& light, std::int64_t frame) {
    if (!loops.awbOn || (!loops.awbFast && frame % loops.awbSlowPeriod != 0)) {
        return false;
    }
    const ImageSettings image = model.imageSettings(r);
    const double scale = image.exposure * image.analogGain;
    const double green = std::min(1.0, light.green * scale);
    const bool blue = balanceChannel(r[reg::BlueGain], light.blue * scale, green, loops.blueTarget);
    const bool red = balanceChannel(r[reg::RedGain], light.red * scale, green, loops.redTarget);
    return blue || red;
}

} // namespace

bool stepAutoLoops(RegisterFile& registers, const SensorModel& model, const SceneLight& light,
                   std::int64_t frame) {
    const LoopSettings loops = model.loopSettings(registers);
    const bool exposure = stepExposure(registers, model, loops, light, frame);
    const bool balance = stepWhiteBalance(registers, model, loops, light, frame);
    return exposure || balance;
}

} // namespace vx3sim
