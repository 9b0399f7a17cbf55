// Files in a temporary folder for the settings tests, written and read as raw bytes.
#pragma once

#include "settings/SettingsFile.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string_view>

namespace halvex {

using namespace std::string_view_literals;

// Bytes with NULs inside, from a "..."sv literal.
inline QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// size bytes of every value, the same for the same seed.
inline QByteArray randomBytes(qsizetype size, quint32 seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char& byte : bytes) {
        byte = static_cast<char>(generator.bounded(256));
    }
    return bytes;
}

class SettingsFileFixture : public ::testing::Test {
protected:
    void TearDown() override { SettingsFile::SetWriteRefusal({}); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    static QByteArray read(const QString& fullPath) {
        QFile file(fullPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    SettingsFile m_file;

private:
    QTemporaryDir m_dir;
};

} // namespace halvex
