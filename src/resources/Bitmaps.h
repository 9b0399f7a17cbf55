// The tool's icon and pictures, drawn from shape tables.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace halvex {

// The picture named in a template's bitmap control ("logo"); an empty pixmap for other names.
QPixmap resourceBitmap(const char* name);
// The window icon (resource 165).
QIcon applicationIcon();
// The same icon painted at size x size pixels, for the desktop's icon theme.
QImage applicationIconImage(int size);

} // namespace halvex
