// Numbers read from the settings texts and edit boxes the way the C library reads them.
#pragma once

#include <QString>

namespace halvex {

// The leading integer in base 10 or 16 as the C library's strtol reads it with a 32-bit long:
// blanks and a sign allowed before it, and in base 16 a "0x" prefix; saturated to the int range;
// 0 when the text does not start with one.
int leadingInteger(const QString& text, int base = 10);

// The leading decimal number, with fraction and exponent; 0 when the text does not start with
// one. Hexadecimal, "inf" and "nan" forms are not numbers here.
double leadingNumber(const QString& text);

} // namespace halvex
