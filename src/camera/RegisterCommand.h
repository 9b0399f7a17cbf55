// The text form of a sensor register access ("12,04,04": address, mask, value in hexadecimal).
#pragma once

#include <QString>
#include <cstdint>

namespace halvex {

struct ParsedRegisterCommand {
    std::int32_t address = 0; // the whole parsed number
    std::uint8_t mask = 0;
    std::uint8_t value = 0; // not masked: bits outside the mask are written too
    bool maskEndsWithComma = false;
};

// Parses the three fields; missing fields count as 0, each field as its leading hexadecimal
// digits (blanks, a sign and "0x" are accepted before them).
ParsedRegisterCommand parseRegisterCommand(const QString& command);

// Parses text in base 16 as the C library's strtol does, clamped to the 32-bit range.
std::int32_t parseHex(const QString& text);

// Pads a hexadecimal text of fewer than two characters with "0" on the left.
QString ToTwoDigits(const QString& hex);
// A value as two (or more) lower-case hexadecimal digits.
QString toHexTwoDigits(int value);

// The value held in the last two characters of a stored command.
int dataField(const QString& command);
// The command with its last two characters replaced by value in two-digit lower-case form.
QString withDataField(const QString& command, int value);

} // namespace halvex
