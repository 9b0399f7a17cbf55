// The numbered messages of the tool's string table.
#pragma once

#include <QString>

namespace halvex {

// The text of message id; empty for an id the table does not hold.
QString loadString(int id);

} // namespace halvex
