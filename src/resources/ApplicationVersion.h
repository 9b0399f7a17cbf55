// The program's version as the technician sees it (device information, --version).
#pragma once

#include <QString>

namespace halvex {

// "2.02.01" for release 2.2.1: minor and patch numbers in two digits.
QString ApplicationVersion();

} // namespace halvex
