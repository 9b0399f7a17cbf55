// The library's record of calls and register traffic, and the faults a test asked for.
#include "CallRecorder.h"

#include <algorithm>
#include <utility>

namespace vx3sim {

void CallRecorder::failFrom(const std::string& function, int nth) {
    if (nth < 0) {
        m_faults.erase(function);
    } else {
        m_faults[function] = std::max(nth, 1) - 1;
    }
}

bool CallRecorder::callFails(std::string_view function) {
    const auto fault = m_faults.find(function);
    if (fault == m_faults.end()) {
        return false;
    }
    if (fault->second > 0) {
        --fault->second;
        return false;
    }
    return true;
}

void CallRecorder::call(std::string_view function, int result) {
    append({LogEntry::Kind::Call, std::string(function), 0, 0, result});
}

void CallRecorder::registerRead(std::uint8_t address, std::uint8_t value) {
    append({LogEntry::Kind::RegisterRead, {}, address, value, 0});
}

void CallRecorder::registerWrite(std::uint8_t address, std::uint8_t value) {
    append({LogEntry::Kind::RegisterWrite, {}, address, value, 0});
}

void CallRecorder::append(LogEntry entry) {
    if (m_log.size() >= MaxEntries) {
        m_log.pop_front();
    }
    m_log.push_back(std::move(entry));
}

} // namespace vx3sim
