// A deliberately naive model of one private-profile key write, for checking the settings file's
// writer against: it re-reads the whole file line by line for every single write.
#pragma once

#include <string>
#include <string_view>

namespace halvex::fuzz {

class ReferenceIniWriter {
public:
    explicit ReferenceIniWriter(std::string bytes) : m_bytes(std::move(bytes)) {}

    // The file after one write of key in section: the key's line (with its break) in the first
    // section of that name replaced, or a new line after the section's last key line, or a new
    // section at the end; every line written ends with CRLF.
    void write(std::string_view section, std::string_view key, std::string_view value);

    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Blanks and tabs removed from both ends.
std::string_view trimBlanks(std::string_view text);
// Names compared with ASCII letters folded.
bool sameName(std::string_view a, std::string_view b);

} // namespace halvex::fuzz
