// A deliberately naive model of one private-profile key write.
#include "ReferenceIniWriter.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace halvex::fuzz {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Every line the writer writes ends with it, whatever the file uses.
constexpr std::string_view kLineBreak = "\r\n";

struct Line {
    std::size_t begin; // first byte
    std::size_t end;   // its break, or the end of the file
    std::size_t next;  // after its break
};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::size_t textBegin(std::string_view bytes) {
    return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    lines.reserve(bytes.size() / 16);
    std::size_t begin = textBegin(bytes);
    while (begin < bytes.size()) {
        std::size_t end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        std::size_t next = end;
        if (next < bytes.size()) {
            next +=
                bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        }
        lines.push_back({begin, end, next});
        begin = next;
    }
    return lines;
}

std::optional<std::string_view> headerName(std::string_view content) {
    if (content.empty() || content.front() != '[') {
        return std::nullopt;
    }
    std::string_view name = content.substr(1);
    return trimBlanks(name.substr(0, name.find(']')));
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

void ReferenceIniWriter::write(std::string_view section, std::string_view key,
                               std::string_view value) {
    const std::vector<Line> lines = splitLines(m_bytes);
    const auto keyLine = [&] {
        std::string text(key);
        return text.append("=").append(value);
    };

    std::vector<std::string_view> seenSections;   // into m_bytes, unchanged until the write
    std::optional<std::size_t> lastLineOfSection; // index into lines
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view content = trimBlanks(
            std::string_view(m_bytes).substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (content.empty() || content.front() == ';') {
            continue;
        }
        if (const auto name = headerName(content)) {
            if (inSection) {
                break;
            }
            bool repeated = false;
            for (const std::string_view seen : seenSections) {
                repeated = repeated || sameName(seen, *name);
            }
            seenSections.push_back(*name);
            inSection = !repeated && sameName(*name, section);
            if (inSection) {
                lastLineOfSection = i;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        lastLineOfSection = i;
        const std::string_view name = trimBlanks(content.substr(0, content.find('=')));
        if (sameName(name, key)) {
            std::string replaced(name);
            replaced.append("=").append(value).append(kLineBreak);
            m_bytes.replace(lines[i].begin, lines[i].next - lines[i].begin, replaced);
            return;
        }
    }

    if (lastLineOfSection) {
        const Line& after = lines[*lastLineOfSection];
        const std::string inserted =
            (after.next == after.end ? std::string(kLineBreak) : std::string()) + keyLine() +
            std::string(kLineBreak);
        m_bytes.insert(after.next, inserted);
        return;
    }
    if (m_bytes.size() > textBegin(m_bytes) && m_bytes.back() != '\n' && m_bytes.back() != '\r') {
        m_bytes += kLineBreak;
    }
    m_bytes.append("[").append(section).append("]").append(kLineBreak);
    m_bytes.append(keyLine()).append(kLineBreak);
}

} // namespace halvex::fuzz
