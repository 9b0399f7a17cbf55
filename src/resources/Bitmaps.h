// The tool's icon and pictures, drawn from shape tables.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace halvex {

// The picture named in a template's bitmap control ("logo"); an empty pixmap for other names.
QPixmap resourceBitmap(const char* name);
// The window icon (resource 165).
QIcon applicationIcon();

} // namespace halvex
