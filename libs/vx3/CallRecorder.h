// The library's record of calls and register traffic, and the faults a test asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "VX3Sim.h"

namespace vx3sim {

// What one library call received, for the log and for faults that depend on an argument.
struct CallArguments {
    std::vector<std::int64_t> values;
    std::string fileName;
};

class CallRecorder {
public:
    // The log keeps the newest entries only, so that a long interactive run stays small.
    static constexpr std::size_t MaxEntries = 100'000;

    // The function fails from its nth call on, counted from now; with `firstArgument`, only the
    // calls whose first argument has that value count and fail. A negative nth clears the fault.
    void failFrom(const std::string& function, std::optional<std::int64_t> firstArgument, int nth);
    void clearFaults() { m_faults.clear(); }
    // Counts one call of the function; true when this call is to fail.
    bool callFails(std::string_view function, const CallArguments& arguments);

    void call(std::string_view function, CallArguments arguments, int result);
    void registerRead(std::uint8_t address, std::uint8_t value);
    void registerWrite(std::uint8_t address, std::uint8_t value);
    std::vector<LogEntry> entries() const { return {m_log.begin(), m_log.end()}; }
    void clearLog() { m_log.clear(); }

private:
    struct Fault {
        std::string function;
        std::optional<std::int64_t> firstArgument;
        int callsBefore; // calls that still succeed before the function starts failing
    };

    void append(LogEntry entry);

    std::vector<Fault> m_faults;
    std::deque<LogEntry> m_log;
};

} // namespace vx3sim
