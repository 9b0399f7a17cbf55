// Applies register command texts to the sensor through the camera library (read-modify-write).
#pragma once

#include <QString>
#include <cstdint>

namespace halvex {

class RegisterAccess {
public:
    // Reads the register, replaces the bits of the mask by the value (bits of the value outside
    // the mask are set too) and writes it back; the library's write result.
    int SetRegister(QString command) const;
    // The register's bits under the mask, not shifted.
    std::uint8_t GetRegister(QString command) const;
};

} // namespace halvex
