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

class VirtualRunTime::CameraClock final : public vx3sim::Clock {
public:
    explicit CameraClock(VirtualTimeSource& time) : m_time(time) {}
    std::int64_t nowMicroseconds() override { return m_time.nowMicroseconds(); }
    void sleepMicroseconds(std::int64_t duration) override { m_time.advanceMicroseconds(duration); }

private:
    VirtualTimeSource& m_time;
};

// Virtual time starts at the real time, so that the calibration history dates the run.
VirtualRunTime::VirtualRunTime()
    : m_time(QDateTime::currentMSecsSinceEpoch() * 1000),
      m_cameraClock(std::make_unique<CameraClock>(m_time)) {}

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
    setClock(m_cameraClock.get());
    setTimeSource(&m_time);
    m_installed = true;
    return true;
}

} // namespace halvex
