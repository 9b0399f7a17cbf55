// Numbers read from the settings texts and edit boxes the way the C library reads them.
#include "appdata/TextNumbers.h"

#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace halvex {
namespace {

// The part of text that holds its leading number, or nothing.
QByteArray numberPrefix(const QString& text, const QRegularExpression& pattern) {
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

} // namespace

int leadingInteger(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*([+-]?[0-9]+))"));
    const QByteArray digits = numberPrefix(text, pattern);
    if (digits.isEmpty()) {
        return 0;
    }
    const long long value = std::strtoll(digits.constData(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

double leadingNumber(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?))"));
    const QByteArray number = numberPrefix(text, pattern);
    return number.isEmpty() ? 0.0 : std::strtod(number.constData(), nullptr);
}

} // namespace halvex
