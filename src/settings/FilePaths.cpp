// Joining, searching and backup naming of the settings file's paths.
#include "settings/FilePaths.h"

#include <QFileInfo>
#include <algorithm>

namespace halvex {

QString JoinPath(const QString& directory, const QString& fileName) {
    if (directory.isEmpty()) {
        return fileName;
    }
    // A drive root such as "C:\" already ends with the Windows separator.
    if (directory.endsWith(u'/') || directory.endsWith(u'\\')) {
        return directory + fileName;
    }
    return directory + u'/' + fileName;
}

std::optional<QString> SearchFile(const QString& directory, const QString& fileName) {
    if (fileName.isEmpty()) {
        return std::nullopt;
    }
    QString path = JoinPath(directory, fileName);
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    return path;
}

QString BackupPath(const QString& path) {
    return path.first(std::max<qsizetype>(0, path.size() - 3)) + QStringLiteral("bak");
}

} // namespace halvex
