// Decimal texts of the panel and the settings as the sequences convert them.
#pragma once

#include <QString>
#include <cstdlib>

namespace halvex {

// A decimal text as the C library's atoi reads it: leading digits after blanks and a sign;
// text that is not a number gives 0.
inline int DecimalValue(const QString& text) {
    return std::atoi(text.toLatin1().constData());
}

} // namespace halvex
