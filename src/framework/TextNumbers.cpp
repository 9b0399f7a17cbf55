// Numbers read from the settings texts and edit boxes the way the C library reads them.
#include "framework/TextNumbers.h"

#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace halvex {
namespace {

int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'z') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'Z') {
        return u - u'A' + 10;
    }
    return 36;
}

} // namespace

int leadingInteger(const QString& text, int base) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // A "0x" without digits after it reads as the 0 before it: the value is the same either way.
    if (base == 16 && i + 1 < n && text[i] == u'0' &&
        (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        i += 2;
    }
    // Saturated as the digits come, so that a long run of them cannot wrap into a valid range.
    constexpr long long magnitudeLimit = -static_cast<long long>(INT_MIN);
    long long value = 0;
    for (int digit = 0; i < n && (digit = digitValue(text[i])) < base; ++i) {
        value = std::min(value * base + digit, magnitudeLimit);
    }
    return static_cast<int>(std::clamp<long long>(negative ? -value : value, INT_MIN, INT_MAX));
}

double leadingNumber(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?))"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? std::strtod(match.captured(1).toLatin1().constData(), nullptr) : 0.0;
}

} // namespace halvex
