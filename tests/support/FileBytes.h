// The whole content of a file as the tests compare it.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace halvex::test {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace halvex::test
