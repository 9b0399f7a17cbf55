// The failure raised when the system refuses a write of the settings file.
#pragma once

#include <QString>
#include <stdexcept>

namespace halvex {

class SettingsWriteError : public std::runtime_error {
public:
    SettingsWriteError() : std::runtime_error("Save ini file command failed.") {}

    // The text the saving window shows in its "Error" box.
    QString text() const { return QString::fromLatin1(what()); }
};

} // namespace halvex
