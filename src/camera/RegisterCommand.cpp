// Parsing of register command texts and the data-field convention of stored commands.
#include "camera/RegisterCommand.h"

#include <limits>

namespace halvex {
namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    return -1;
}

bool isBlank(QChar c) {
    const char16_t u = c.unicode();
    return u == ' ' || (u >= '\t' && u <= '\r');
}

} // namespace

std::int32_t parseHex(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // "0x" counts as a prefix only when a hexadecimal digit follows it.
    if (i + 2 < text.size() && text[i] == QLatin1Char('0') &&
        (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X')) &&
        hexDigit(text[i + 2]) >= 0) {
        i += 2;
    }
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    bool overflow = false;
    for (; i < text.size() && hexDigit(text[i]) >= 0; ++i) {
        magnitude = magnitude * 16 + hexDigit(text[i]);
        if (magnitude > limit + 1) {
            overflow = true;
            magnitude = limit + 1;
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-magnitude);
    }
    return static_cast<std::int32_t>(overflow || magnitude > limit ? limit : magnitude);
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
