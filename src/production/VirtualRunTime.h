// Virtual time for the command's tests and benchmark (hidden option --virtual-time): the tool's
// time source and the simulated camera's clock move together, so a run of minutes of pauses
// takes milliseconds.
#pragma once

#include "camera/SimulatorClock.h"
#include "framework/VirtualTimeSource.h"

namespace halvex {

class VirtualRunTime {
public:
    VirtualRunTime();
    ~VirtualRunTime();
    VirtualRunTime(const VirtualRunTime&) = delete;
    VirtualRunTime& operator=(const VirtualRunTime&) = delete;

    // Installs both clocks; false when the camera library is not the simulated camera, whose
    // clock cannot then follow.
    bool install();

private:
    VirtualTimeSource m_time;
    SimulatorClock m_cameraClock{m_time};
    bool m_installed = false;
};

} // namespace halvex
