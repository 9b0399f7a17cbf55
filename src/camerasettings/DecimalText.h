// Decimal numbers typed into the settings pages' edit boxes.
#pragma once

#include <QString>

namespace halvex {

// Drops a last character that is not a digit, then replaces a value above maximum by maximum
// and one below minimum by minimum. An empty text stays empty.
QString ClampDecimalText(QString text, int maximum, int minimum);

} // namespace halvex
