// The sensor's automatic loops: white balance, exposure and gain, one step per frame.
#include "AutoLoops.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "Unit.h"

namespace vx3sim {

namespace {

// Time constants of the exposure and gain loops, in frames.
constexpr double FastFrames = 3.0;
constexpr double SlowFrames = 24.0;
// The white balance stops a channel within this share of its target, and restarts beyond the
// second: its estimate's own error (Unit::meteringError) cannot bridge the gap.
constexpr double BalanceSettled = 0.02;
constexpr double BalanceRestart = 0.04;
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

double shareOf(bool fast) {
    return 1.0 - std::exp(-1.0 / (fast ? FastFrames : SlowFrames));
}

using ExposureRegisters = std::pair<std::uint8_t, std::uint8_t>; // AGC gain, exposure

void stepExposure(RegisterFile& r, LoopState& state, const SensorModel& model,
                  const LoopSettings& loops, const SceneLight& light) {
    const bool aecDue = loops.aecOn;
    const bool agcDue = loops.agcOn;
    if (!aecDue && !agcDue) {
        state.exposureTotal = 0.0;
        return;
    }
    const ImageSettings image = model.imageSettings(r);
    const double metered = std::min(1.0, light.green * image.exposure * image.analogGain) * 255.0;
    if (metered >= loops.exposureBlack && metered <= loops.exposureWhite) {
        return;
    }
    const double agc = SensorModel::agcGain(r[reg::AgcGain]);
    const double exposure = r[reg::Exposure];
    const double middle = (loops.exposureBlack + loops.exposureWhite) / 2.0;
    const double ideal = exposure * agc * std::clamp(middle / std::max(metered, 1.0), 0.25, 4.0);

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
    // The loop's own value stands as long as the registers still show it; a host write or a
    // change of loop replaces it.
    const double total = state.exposureTotal > 0.0 && split(state.exposureTotal) == now
                             ? state.exposureTotal
                             : exposure * agc;
    const bool fast = aecDue ? loops.aecFast : loops.alcFast;
    state.exposureTotal = total + (ideal - total) * shareOf(fast);
    std::tie(r[reg::AgcGain], r[reg::Exposure]) = split(state.exposureTotal);
}

// Moves one gain register toward the value that makes its channel match green times the target,
// as far as the balance's own estimate of the channel tells.
void balanceChannel(std::uint8_t& gainRegister, bool& balancing, double rawChannel, double green,
                    double target, double estimateError) {
    const double gain = gainRegister;
    const double measured = std::min(1.0, rawChannel * gain / 64.0) * (1.0 + estimateError);
    const double wanted = green * target;
    const double error = measured > 0.0 ? std::abs(measured / wanted - 1.0) : 1.0;
    if (error < (balancing ? BalanceSettled : BalanceRestart)) {
        balancing = false;
        return;
    }
    balancing = true;
    const double ideal = measured > 0.0 ? std::clamp(gain * wanted / measured, 0.0, 255.0) : 255.0;
    const double delta = ideal - gain;
    if (std::abs(delta) < 0.5) {
        return; // at the end of the register's range
    }
    int step = static_cast<int>(delta / 2.0);
    if (step == 0) {
        step = delta > 0 ? 1 : -1;
    }
    gainRegister = static_cast<std::uint8_t>(std::clamp(gainRegister + step, 0, 255));
}

void stepWhiteBalance(RegisterFile& r, LoopState& state, const SensorModel& model,
                      const LoopSettings& loops, const SceneLight& light, const Unit& unit,
                      std::int64_t frame) {
    if (!loops.awbOn) {
        state.balancingBlue = false;
        state.balancingRed = false;
        return;
    }
    if (!loops.awbFast && frame % loops.awbSlowPeriod != 0) {
        return;
    }
    const ImageSettings image = model.imageSettings(r);
    const double scale = image.exposure * image.analogGain;
    const double green = std::min(1.0, light.green * scale);
    balanceChannel(r[reg::BlueGain], state.balancingBlue, light.blue * scale, green,
                   loops.blueTarget, unit.meteringError(frame, 0));
    balanceChannel(r[reg::RedGain], state.balancingRed, light.red * scale, green, loops.redTarget,
                   unit.meteringError(frame, 2));
}

} // namespace

void stepAutoLoops(RegisterFile& registers, LoopState& state, const SensorModel& model,
                   const SceneLight& light, const Unit& unit, std::int64_t frame) {
    const LoopSettings loops = model.loopSettings(registers);
    stepExposure(registers, state, model, loops, light);
    stepWhiteBalance(registers, state, model, loops, light, unit, frame);
}

} // namespace vx3sim
