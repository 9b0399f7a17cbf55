// Numbers read from the settings texts and edit boxes the way the C library reads them.
#pragma once

#include <QString>

namespace halvex {

// The leading decimal integer (blanks and a sign allowed before it); 0 when the text does not
// start with one, saturated to the int range.
int leadingInteger(const QString& text);

// The leading decimal number, with fraction and exponent; 0 when the text does not start with
// one. Hexadecimal, "inf" and "nan" forms are not numbers here.
double leadingNumber(const QString& text);

} // namespace halvex
