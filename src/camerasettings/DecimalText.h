// Decimal numbers typed into the settings pages' edit boxes.
#pragma once

#include <QString>

namespace halvex {

// The leading decimal integer of text (leading blanks and a sign allowed, saturated to int);
// 0 when the text does not start with a number.
int DecimalValue(const QString& text);

// Drops a last character that is not a digit, then replaces a value above maximum by maximum
// and one below minimum by minimum. An empty text stays empty.
QString ClampDecimalText(QString text, int maximum, int minimum);

} // namespace halvex
