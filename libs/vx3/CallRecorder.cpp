// The library's record of calls and register traffic, and the faults a test asked for.
#include "CallRecorder.h"

#include <algorithm>
#include <utility>

namespace vx3sim {

void CallRecorder::failFrom(const std::string& function, std::optional<std::int64_t> firstArgument,
                            int nth) {
    const auto same = [&](const Fault& f) {
        return f.function == function && f.firstArgument == firstArgument;
    };
    std::erase_if(m_faults, same);
    if (nth >= 0) {
        m_faults.push_back({function, firstArgument, std::max(nth, 1) - 1});
    }
}

bool CallRecorder::callFails(std::string_view function, const CallArguments& arguments) {
    bool fails = false;
    for (Fault& fault : m_faults) {
        const bool applies =
            fault.function == function &&
            (!fault.firstArgument ||
             (!arguments.values.empty() && arguments.values.front() == *fault.firstArgument));
        if (!applies) {
            continue;
        }
        if (fault.callsBefore > 0) {
            --fault.callsBefore;
        } else {
            fails = true;
        }
    }
    return fails;
}

void CallRecorder::call(std::string_view function, CallArguments arguments, int result) {
    append({LogEntry::Kind::Call, std::string(function), 0, 0, result, std::move(arguments.values),
            std::move(arguments.fileName)});
}

void CallRecorder::registerRead(std::uint8_t address, std::uint8_t value) {
    append({LogEntry::Kind::RegisterRead, {}, address, value, 0, {}, {}});
}

void CallRecorder::registerWrite(std::uint8_t address, std::uint8_t value) {
    append({LogEntry::Kind::RegisterWrite, {}, address, value, 0, {}, {}});
}

void CallRecorder::append(LogEntry entry) {
    if (m_log.size() >= MaxEntries) {
        m_log.pop_front();
    }
    m_log.push_back(std::move(entry));
}

} // namespace vx3sim
