// Parsing of register command texts and the data-field convention of stored commands.
#include "camera/RegisterCommand.h"

#include "framework/TextNumbers.h"

namespace halvex {
std::int32_t parseHex(const QString& text) {
    return leadingInteger(text, 16);
}

ParsedRegisterCommand parseRegisterCommand(const QString& command) {
    ParsedRegisterCommand parsed;
    QString rest = command;
    qsizetype comma = rest.indexOf(QLatin1Char(','));
    parsed.address = parseHex(comma < 0 ? QString() : rest.left(comma));
    rest = rest.mid(comma + 1); // nothing is removed without a comma

    comma = rest.indexOf(QLatin1Char(','));
    parsed.maskEndsWithComma = comma >= 0;
    parsed.mask = static_cast<std::uint8_t>(parseHex(comma < 0 ? QString() : rest.left(comma)));
    rest = rest.mid(comma + 1);

    parsed.value = static_cast<std::uint8_t>(parseHex(rest));
    return parsed;
}

QString ToTwoDigits(const QString& hex) {
    return hex.size() < 2 ? QString(2 - hex.size(), QLatin1Char('0')) + hex : hex;
}

QString toHexTwoDigits(int value) {
    return ToTwoDigits(QString::number(static_cast<unsigned>(value), 16));
}

int dataField(const QString& command) {
    return parseHex(command.right(2));
}

QString withDataField(const QString& command, int value) {
    return command.left(command.size() >= 2 ? command.size() - 2 : 0) + toHexTwoDigits(value);
}

} // namespace halvex
