// The library's record of calls and register traffic, and the faults a test asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "VX3Sim.h"

namespace vx3sim {

class CallRecorder {
public:
    // The log keeps the newest entries only, so that a long interactive run stays small.
    static constexpr std::size_t MaxEntries = 100'000;

    // The function fails from its nth call on, counted from now; a negative nth clears it.
    void failFrom(const std::string& function, int nth);
    void clearFaults() { m_faults.clear(); }
    // Counts one call of the function; true when this call is to fail.
    bool callFails(std::string_view function);

    void call(std::string_view function, int result);
    void registerRead(std::uint8_t address, std::uint8_t value);
    void registerWrite(std::uint8_t address, std::uint8_t value);
    std::vector<LogEntry> entries() const { return {m_log.begin(), m_log.end()}; }
    void clearLog() { m_log.clear(); }

private:
    void append(LogEntry entry);

    // Calls that still succeed before the function starts failing.
    std::map<std::string, int, std::less<>> m_faults;
    std::deque<LogEntry> m_log;
};

} // namespace vx3sim
