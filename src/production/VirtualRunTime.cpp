// The tool and the simulated camera in one virtual time.
#include "production/VirtualRunTime.h"

#include <QDateTime>
#include <VX3Sim.h>
#include <dlfcn.h>

namespace halvex {
namespace {

using SetClock = void (*)(vx3sim::Clock*);

// Looked up at run time rather than linked: the command also runs on a camera library with the
// C interface alone, which has no clock to set.
SetClock simulatorSetClock() {
    // The Itanium ABI name of vx3sim::setClock(vx3sim::Clock*).
    void* symbol = dlsym(RTLD_DEFAULT, "_ZN6vx3sim8setClockEPNS_5ClockE");
    return reinterpret_cast<SetClock>(symbol);
}

} // namespace

// Virtual time starts at the real time, so that the calibration history dates the run.
VirtualRunTime::VirtualRunTime() : m_time(QDateTime::currentMSecsSinceEpoch() * 1000) {}

VirtualRunTime::~VirtualRunTime() {
    if (m_installed) {
        simulatorSetClock()(nullptr);
        setTimeSource(nullptr);
    }
}

bool VirtualRunTime::install() {
    const SetClock setClock = simulatorSetClock();
    if (setClock == nullptr) {
        return false;
    }
    setClock(&m_cameraClock);
    setTimeSource(&m_time);
    m_installed = true;
    return true;
}

} // namespace halvex
