// Creation and seeding of the per-user application directory.
#include "app/ApplicationFolder.h"

#include "settings/FilePaths.h"

#include <QDir>
#include <QFile>

namespace halvex {

std::optional<QString> PrepareUserFolder(const QString& dataHome, const QString& factoryIni,
                                         QString& diagnostics) {
    const QString folder = JoinPath(QDir::cleanPath(dataHome), QStringLiteral("halvex"));
    if (QDir(folder).exists()) {
        return folder;
    }
    if (!QDir().mkpath(folder)) {
        diagnostics += QStringLiteral("halvex: cannot create the folder %1\n").arg(folder);
        return std::nullopt;
    }
    const QString seeded = JoinPath(folder, QStringLiteral("default.ini"));
    if (!QFile::copy(factoryIni, seeded)) {
        diagnostics += QStringLiteral("halvex: the factory settings file %1 could not be copied "
                                      "into %2\n")
                           .arg(factoryIni, folder);
        return folder;
    }
    // The installed file is read-only; the technician's copy is theirs to save over.
    QFile::setPermissions(seeded, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    return folder;
}

} // namespace halvex
