// The system's time source and the process-wide registry of the one in use.
#include "framework/TimeSource.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace halvex {
namespace {

class SystemTimeSource final : public TimeSource {
public:
    void sleep(int milliseconds) override {
        if (milliseconds > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        }
    }
    std::uint32_t tickCount() override {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
    std::int64_t wallClockSeconds() override {
        return static_cast<std::int64_t>(std::time(nullptr));
    }
};

SystemTimeSource systemTime;
TimeSource* current = &systemTime;

} // namespace

TimeSource& timeSource() {
    return *current;
}

void setTimeSource(TimeSource* source) {
    current = source != nullptr ? source : &systemTime;
}

} // namespace halvex
