// Register read-modify-write through the camera library.
#include "camera/RegisterAccess.h"

#include "camera/RegisterCommand.h"

#include <VX3lib.h>

namespace halvex {

int RegisterAccess::SetRegister(QString command) const {
    const ParsedRegisterCommand parsed = parseRegisterCommand(command);
    const auto address = static_cast<std::uint32_t>(parsed.address);
    std::uint8_t current = 0;
    // A register that cannot be read is left alone rather than overwritten with a guess.
    if (VX3_EST_GetAdrsData(address, 1, &current) == 0) {
        return 0;
    }
    const auto updated = static_cast<std::uint8_t>(
        (current & static_cast<std::uint8_t>(~parsed.mask)) | parsed.value);
    return VX3_EST_SetAdrsData(address, 1, &updated);
}

std::uint8_t RegisterAccess::GetRegister(QString command) const {
    const ParsedRegisterCommand parsed = parseRegisterCommand(command);
    std::uint8_t current = 0;
    VX3_EST_GetAdrsData(static_cast<std::uint32_t>(parsed.address), 1, &current);
    return static_cast<std::uint8_t>(current & parsed.mask);
}

} // namespace halvex
