// Replacing a file's whole content so that a failed write leaves the old content in place.
#pragma once

#include <QByteArray>
#include <QString>

namespace halvex {

// Writes bytes to a temporary file beside path and renames it over path (through a symbolic link
// to its target), keeping the old file's permissions. An existing file whose permission bits do
// not let this process write it is refused as the system refuses an ordinary user, whoever runs
// the tool (root included): a technician makes a file read-only to keep it as it is. Any failure
// (such a file, missing folder, a folder at path, write error, full disk) shows before the old file
// is touched and gives false. A folder that
// lets its existing files be written but no file be created gets the file written in place.
// Nothing is forced to disk: the settings file is saved on every Save and the save sequence keeps a
// backup, while a forced flush would cost milliseconds each time.
bool ReplaceFileContents(const QString& path, const QByteArray& bytes);

} // namespace halvex
