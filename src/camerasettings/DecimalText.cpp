// Decimal numbers typed into the settings pages' edit boxes.
#include "camerasettings/DecimalText.h"

#include "framework/TextNumbers.h"

namespace halvex {

QString ClampDecimalText(QString text, int maximum, int minimum) {
    if (text.isEmpty()) {
        return text;
    }
    if (const QChar last = text.back(); last < u'0' || last > u'9') {
        text.chop(1);
    }
    const int value = leadingInteger(text);
    if (value > maximum) {
        return QString::number(maximum);
    }
    if (value < minimum) {
        return QString::number(minimum);
    }
    return text;
}

} // namespace halvex
