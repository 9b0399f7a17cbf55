// Decimal numbers typed into the settings pages' edit boxes.
#include "camerasettings/DecimalText.h"

#include <QRegularExpression>
#include <limits>

namespace halvex {

int DecimalValue(const QString& text) {
    static const QRegularExpression leading(QStringLiteral("^\\s*([+-]?)(\\d+)"));
    const QRegularExpressionMatch match = leading.match(text);
    if (!match.hasMatch()) {
        return 0;
    }
    bool fits = false;
    const qlonglong magnitude = match.capturedView(2).toLongLong(&fits);
    const bool negative = match.capturedView(1) == QLatin1String("-");
    if (!fits || magnitude > std::numeric_limits<int>::max()) {
        return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QString ClampDecimalText(QString text, int maximum, int minimum) {
    if (text.isEmpty()) {
        return text;
    }
    if (const QChar last = text.back(); last < u'0' || last > u'9') {
        text.chop(1);
    }
    const int value = DecimalValue(text);
    if (value > maximum) {
        return QString::number(maximum);
    }
    if (value < minimum) {
        return QString::number(minimum);
    }
    return text;
}

} // namespace halvex
