// Register command texts: any text is parsed as a small model of the C library's strtol reads it,
// and the read-modify-write on the simulated camera writes exactly (old AND NOT mask) OR value.
#include "FuzzCheck.h"
#include "camera/RegisterAccess.h"
#include "camera/RegisterCommand.h"

#include <VX3Sim.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// One field in base 16 as a 32-bit long's strtol gives it: characters the C locale does not know
// stop the conversion like any other non-digit.
std::int32_t referenceHex(std::u16string_view field) {
    std::string narrow;
    for (const char16_t c : field) {
        narrow += c != 0 && c < 0x80 ? static_cast<char>(c) : '\x01';
    }
    const long parsed = std::strtol(narrow.c_str(), nullptr, 16);
    return static_cast<std::int32_t>(
        parsed > INT32_MAX ? INT32_MAX : (parsed < INT32_MIN ? INT32_MIN : parsed));
}

struct ReferenceCommand {
    std::int32_t address;
    std::uint8_t mask;
    std::uint8_t value;
    bool maskEndsWithComma;
};

// Address before the first comma, mask before the next one, value the rest; a field without its
// comma is empty (the text without any comma is all value).
ReferenceCommand referenceParse(std::u16string_view text) {
    const std::size_t first = text.find(u',');
    const std::u16string_view address = first == text.npos ? u"" : text.substr(0, first);
    const std::u16string_view rest = first == text.npos ? text : text.substr(first + 1);
    const std::size_t second = rest.find(u',');
    const std::u16string_view mask = second == rest.npos ? u"" : rest.substr(0, second);
    const std::u16string_view value = second == rest.npos ? rest : rest.substr(second + 1);
    return {referenceHex(address), static_cast<std::uint8_t>(referenceHex(mask)),
            static_cast<std::uint8_t>(referenceHex(value)), second != rest.npos};
}

struct Access {
    bool read = false;
    std::uint8_t readValue = 0;
    bool wrote = false;
    std::uint8_t address = 0;
    std::uint8_t writtenValue = 0;
    int writeResult = 0;
};

Access lastAccess() {
    Access access;
    for (const vx3sim::LogEntry& entry : vx3sim::log()) {
        if (entry.kind == vx3sim::LogEntry::Kind::RegisterRead) {
            access.read = true;
            access.readValue = entry.value;
            access.address = entry.address;
        } else if (entry.kind == vx3sim::LogEntry::Kind::RegisterWrite) {
            access.wrote = true;
            access.writtenValue = entry.value;
        } else if (entry.function == "VX3_EST_SetAdrsData") {
            access.writeResult = entry.result;
        }
    }
    return access;
}

void checkCommand(const QString& command, std::uint8_t dataValue) {
    const ReferenceCommand expected =
        referenceParse(std::u16string_view(reinterpret_cast<const char16_t*>(command.utf16()),
                                           static_cast<std::size_t>(command.size())));
    const halvex::ParsedRegisterCommand parsed = halvex::parseRegisterCommand(command);
    FUZZ_CHECK(parsed.address == expected.address);
    FUZZ_CHECK(parsed.mask == expected.mask);
    FUZZ_CHECK(parsed.value == expected.value);
    FUZZ_CHECK(parsed.maskEndsWithComma == expected.maskEndsWithComma);

    const bool onTheSensor = expected.address >= 0 && expected.address < 256;
    const halvex::RegisterAccess access;
    const QString copy = command;
    vx3sim::clearLog();
    const int result = access.SetRegister(command);
    FUZZ_CHECK(command == copy);
    const Access set = lastAccess();
    FUZZ_CHECK(set.read == onTheSensor && set.wrote == onTheSensor);
    if (onTheSensor) {
        FUZZ_CHECK(set.address == expected.address);
        FUZZ_CHECK(set.writtenValue ==
                   static_cast<std::uint8_t>((set.readValue & ~expected.mask) | expected.value));
        FUZZ_CHECK(result == set.writeResult);
    } else {
        FUZZ_CHECK(result == 0);
    }

    vx3sim::clearLog();
    const std::uint8_t got = access.GetRegister(command);
    const Access get = lastAccess();
    FUZZ_CHECK(!get.wrote && get.read == onTheSensor);
    FUZZ_CHECK(got == (onTheSensor ? (get.readValue & expected.mask) : 0));

    // The data field of a stored command: the last two characters, rewritten in lower case.
    const QString stored = halvex::withDataField(command, dataValue);
    FUZZ_CHECK(stored.size() == std::max<qsizetype>(command.size(), 2));
    FUZZ_CHECK(stored.startsWith(command.left(std::max<qsizetype>(command.size() - 2, 0))));
    FUZZ_CHECK(stored.right(2) == QString::asprintf("%02x", dataValue));
    FUZZ_CHECK(halvex::dataField(stored) == dataValue);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vx3sim::setDeviceLockPath("");
    vx3sim::reset();
    char buffer[80] = {};
    return VX3_InitCamera(buffer) != 0 ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte is a value for the data field, the rest the command text.
    const std::uint8_t dataValue = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    // Typed text is Latin-1 on the settings file's side; any character can be pasted.
    checkCommand(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), dataValue);
    checkCommand(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), dataValue);
    return 0;
}
