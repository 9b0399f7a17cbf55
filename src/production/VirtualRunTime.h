// Virtual time for the command's tests and benchmark (hidden option --virtual-time): the tool's
// time source and the simulated camera's clock move together, so a run of minutes of pauses
// takes milliseconds.
#pragma once

#include "framework/VirtualTimeSource.h"

#include <memory>

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
    class CameraClock;
    VirtualTimeSource m_time;
    std::unique_ptr<CameraClock> m_cameraClock;
    bool m_installed = false;
};

} // namespace halvex
