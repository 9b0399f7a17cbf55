// --write-settings: the white balance a passing run found, stored in the settings file.
#pragma once

#include <QString>

namespace halvex {

// Loads path into the settings store, sets Blue and Red of the current sensor's white-balance
// section (WhiteBalance or WhiteBalance2) in lower-case hexadecimal as page 1 stores them, and
// saves through the tool's save sequence (backup first). Every other line of the file keeps its
// bytes. False, with the reason in error, when the sensor has no section or the write is refused.
bool StoreWhiteBalance(const QString& path, int blue, int red, QString& error);

} // namespace halvex
