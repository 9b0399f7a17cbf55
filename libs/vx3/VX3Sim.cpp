// The control interface of the simulated camera, forwarded to the process's one camera.
#include "VX3Sim.h"

#include "Camera.h"

namespace vx3sim {

namespace {
Camera& camera() {
    return Camera::instance();
}
} // namespace

void setClock(Clock* clock) {
    camera().setClock(clock);
}
void reset() {
    camera().reset();
}
void setCameraVersion(const std::string& version) {
    camera().setCameraVersion(version);
}
void setSdkVersion(const std::string& version) {
    camera().setSdkVersion(version);
}
void setUsbIds(std::uint8_t vendor, std::uint8_t product) {
    camera().setUsbIds(vendor, product);
}
void setPlugged(bool plugged) {
    camera().setPlugged(plugged);
}
void failFunction(const std::string& functionName, int nth) {
    camera().failFunction(functionName, std::nullopt, nth);
}
void failFunctionFor(const std::string& functionName, std::int64_t firstArgument, int nth) {
    camera().failFunction(functionName, firstArgument, nth);
}
void clearFaults() {
    camera().clearFaults();
}
void setUnit(std::uint32_t seed) {
    camera().setUnit(seed);
}
void setBadUnit(BadUnit fault, std::uint8_t stuckRegister) {
    camera().setBadUnit(fault, stuckRegister);
}
void setWhiteBalanceUnstable(bool unstable) {
    camera().setWhiteBalanceUnstable(unstable);
}
void setDeviceLockPath(const std::string& path) {
    camera().setDeviceLockPath(path);
}
std::vector<LogEntry> log() {
    return camera().log();
}
void clearLog() {
    camera().clearLog();
}
std::uint8_t peekRegister(std::uint8_t address) {
    return camera().peekRegister(address);
}
std::uint64_t framesDelivered() {
    return camera().framesDelivered();
}
std::uint64_t framesDropped() {
    return camera().framesDropped();
}

} // namespace vx3sim
