// The sensor's automatic loops: white balance, exposure and gain, one step per frame.
#pragma once

#include <cstdint>

#include "Scene.h"
#include "SensorModel.h"

namespace vx3sim {

// Runs the loops that are due at frame `frame` and writes their registers (0x01/0x02 for the white
// balance, 0x10 for the exposure, 0x00 for the gain). Returns whether any register changed.
//
// The loops meter the centre quarter of the picture before white balance, so a loop's ideal
// setting does not depend on its own current value; each loop stops inside a deadband around
// that ideal and therefore never dithers once settled.
bool stepAutoLoops(RegisterFile& registers, const SensorModel& model, const SceneLight& light,
                   std::int64_t frame);

} // namespace vx3sim
