// The sensor's automatic loops: white balance, exposure and gain, one step per frame.
#pragma once

#include <cstdint>

#include "Scene.h"
#include "SensorModel.h"

namespace vx3sim {

class Unit;

// What the loops keep between frames: whether the white balance is correcting a channel or
// holding it, and the exposure loop's own value of exposure x gain, finer than the registers.
struct LoopState {
    bool balancingBlue = false;
    bool balancingRed = false;
    double exposureTotal = 0.0; // 0: take it from the registers
};

// Runs the loops that are due at frame `frame` and writes their registers (0x01/0x02 for the white
// balance, 0x10 for the exposure, 0x00 for the gain). `light` is what the unit's sensor receives
// from the metering window.
//
// The loops meter the centre quarter of the picture before white balance. Exposure and gain move
// a share of the way to their goal every frame (a time constant of 3 frames when fast, 24 when
// slow) and stop once the metered level lies between the AEB and AEW targets. The white balance
// halves the distance to its goal at each update; it stops a channel once its own estimate comes
// within 2 % of the target and starts again only beyond 4 %, so it settles with a small residual
// cast and never dithers.
void stepAutoLoops(RegisterFile& registers, LoopState& state, const SensorModel& model,
                   const SceneLight& light, const Unit& unit, std::int64_t frame);

} // namespace vx3sim
