// Replacing a file's whole content so that a failed write leaves the old content in place.
#include "settings/FileReplacement.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#include <vector>
#endif

namespace halvex {
namespace {

bool writeAndClose(QFile& file, const QByteArray& bytes) {
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

#ifdef Q_OS_UNIX
bool inGroup(gid_t group) {
    if (group == ::getegid()) {
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int filled = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<std::size_t>(std::max(filled, 0)));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}
#endif

// The write bit of the class this process belongs to (owner, group, others); the process's own
// access rights, which let root write anything, are not asked.
bool permissionBitsAllowWriting(const QFileInfo& file) {
#ifdef Q_OS_UNIX
    if (file.ownerId() == ::geteuid()) {
        return file.permission(QFileDevice::WriteOwner);
    }
    return file.permission(inGroup(file.groupId()) ? QFileDevice::WriteGroup
                                                   : QFileDevice::WriteOther);
#else
    // The read-only attribute clears every write bit.
    return file.permission(QFileDevice::WriteOwner);
#endif
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
    if (existing.isDir() || (existing.exists() && !permissionBitsAllowWriting(existing))) {
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
