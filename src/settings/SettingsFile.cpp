// The settings file read and written as the Windows private-profile functions do.
#include "settings/SettingsFile.h"

#include "settings/FilePaths.h"
#include "settings/FileReplacement.h"
#include "settings/IniDocument.h"
#include "settings/IniEditor.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWriteError.h"

#include <QFile>
#include <optional>

namespace halvex {
namespace {

SettingsFile::WriteRefusal& writeRefusal() {
    static SettingsFile::WriteRefusal refusal;
    return refusal;
}

template <typename Text> bool refused(const QString& path, const Text& section, const Text& key) {
    const SettingsFile::WriteRefusal& refusal = writeRefusal();
    return refusal && refusal(path, QString(section), QString(key));
}

QByteArrayView bytesOf(QLatin1StringView text) {
    return {text.data(), text.size()};
}

QByteArray quoted(const QString& value) {
    return '"' + value.toLatin1() + '"';
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes a write starts from: none yet for a missing file; nothing at all when an existing one
// cannot be read, since writing it then would lose what it holds.
std::optional<QByteArray> readForWriting(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return QByteArray();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool writeKey(const QString& path, const QString& section, const QString& key,
              const QByteArray& value) {
    const std::optional<QByteArray> bytes = readForWriting(path);
    if (!bytes) {
        return false;
    }
    const IniDocument document(*bytes);
    IniEditor editor(document);
    editor.write(section.toLatin1(), key.toLatin1(), value);
    return ReplaceFileContents(path, editor.result());
}

} // namespace

void SettingsFile::SetWriteRefusal(WriteRefusal refusal) {
    writeRefusal() = std::move(refusal);
}

QString SettingsFile::ReadValue(QString section, QString key, QString path) const {
    const IniDocument document(readFile(path));
    return QString::fromLatin1(document.value(section.toLatin1(), key.toLatin1()));
}

void SettingsFile::WriteValue(QString section, QString key, QString value, QString path) const {
    if (refused(path, section, key) || !writeKey(path, section, key, value.toLatin1())) {
        throw SettingsWriteError();
    }
}

void SettingsFile::WriteQuotedValue(QString section, QString key, QString value,
                                    QString path) const {
    if (!refused(path, section, key)) {
        writeKey(path, section, key, quoted(value));
    }
}

void SettingsFile::Load(QString path) const {
    const IniDocument document(readFile(path));
    SettingsStore& store = settingsStore();
    for (int index = 0; index < SettingsStore::Count; ++index) {
        const SettingsKey& entry = settingsKeys()[index];
        store.setAt(
            index, QString::fromLatin1(document.value(bytesOf(entry.section), bytesOf(entry.key))));
    }
}

void SettingsFile::Save(QString path) const {
    const std::optional<QByteArray> bytes = readForWriting(path);
    if (!bytes) {
        throw SettingsWriteError();
    }
    const IniDocument document(*bytes);
    IniEditor editor(document);
    const SettingsStore& store = settingsStore();
    bool written = false;
    bool stopped = false;
    for (int index = 0; index < SettingsStore::Count && !stopped; ++index) {
        const SettingsKey& entry = settingsKeys()[index];
        if (refused(path, entry.section, entry.key)) {
            stopped = !entry.quoted;
            continue;
        }
        editor.write(bytesOf(entry.section), bytesOf(entry.key),
                     entry.quoted ? quoted(store.at(index)) : store.at(index).toLatin1());
        written = true;
    }
    // The keys that landed before a refusal are written all the same.
    if ((written && !ReplaceFileContents(path, editor.result())) || stopped) {
        throw SettingsWriteError();
    }
}

void SettingsFile::CreateBackup(QString path) const {
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray content = source.readAll();
    if (source.error() == QFileDevice::NoError) {
        ReplaceFileContents(BackupPath(path), content);
    }
}

} // namespace halvex
