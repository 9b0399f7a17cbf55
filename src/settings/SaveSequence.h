// The save sequence of both windows: backup, Save, and the messages around them.
#pragma once

#include <QString>

class QWidget;

namespace halvex {

// When path names an existing file in its folder: CreateBackup and message 2. Then Save; on
// success message 4 and true. When the write is refused: the failure text in an "Error" box with
// a stop icon, owned by owner, and false. Callers keep CurrentIniPath themselves.
bool SaveSettingsWithBackup(const QString& path, QWidget* owner);

} // namespace halvex
