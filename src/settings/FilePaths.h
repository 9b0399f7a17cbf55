// Joining, searching and backup naming of the settings file's paths.
#pragma once

#include <QString>
#include <optional>

namespace halvex {

// directory and fileName joined by '/' (which Qt also accepts on Windows), without doubling a
// separator that directory already ends with; fileName alone when directory is empty.
QString JoinPath(const QString& directory, const QString& fileName);

// The full path of fileName when it is a file in directory itself (no other folder is searched).
std::optional<QString> SearchFile(const QString& directory, const QString& fileName);

// path with its last three characters replaced by "bak": default.ini -> default.bak, a.in -> abak.
QString BackupPath(const QString& path);

} // namespace halvex
