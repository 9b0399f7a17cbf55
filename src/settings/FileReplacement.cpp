// Replacing a file's whole content so that a failed write leaves the old content in place.
#include "settings/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace halvex {
namespace {

bool writeAndClose(QFile& file, const QByteArray& bytes) {
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool writeInPlace(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && writeAndClose(file, bytes);
}

} // namespace

bool ReplaceFileContents(const QString& path, const QByteArray& bytes) {
    const QFileInfo link(path);
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    const QFileInfo existing(target);
    if (existing.isDir()) {
        return false;
    }
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        const bool folderRefusesNewFiles =
            existing.exists() && !QFileInfo(existing.absolutePath()).isWritable();
        return folderRefusesNewFiles && writeInPlace(target, bytes);
    }
    if (!writeAndClose(temporary, bytes)) {
        return false;
    }
    temporary.setPermissions(existing.exists()
                                 ? existing.permissions()
                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ReadUser | QFileDevice::WriteUser |
                                       QFileDevice::ReadGroup | QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary.fileName().toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    if (error) {
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

} // namespace halvex
