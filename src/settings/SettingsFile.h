// The settings file read and written as the Windows private-profile functions do.
#pragma once

#include <QString>
#include <functional>

namespace halvex {

// Stateless: every operation takes the file's full path last. The file is handled as bytes (see
// IniDocument for the dialect); a value is 8-bit text, converted to and from QString as Latin-1,
// so that every byte a hand-edited file holds survives a load and a save; characters beyond
// Latin-1 typed into the tool are written as '?'. A write replaces the whole file at once
// (ReplaceFileContents), so a failed write leaves the old file as it was.
class SettingsFile {
public:
    // Decides, before any file is touched, whether the system refuses a write of key in section to
    // path, as if the file could not be written. Lets tests exercise refusals the file system would
    // not give them.
    using WriteRefusal =
        std::function<bool(const QString& path, const QString& section, const QString& key)>;

    // An empty refusal restores the real file system's answer alone.
    static void SetWriteRefusal(WriteRefusal refusal);

    // The key's value (at most 254 characters), empty when the file, section or key is missing.
    QString ReadValue(QString section, QString key, QString path) const;
    // Writes value without quotes; throws SettingsWriteError when the write is refused.
    void WriteValue(QString section, QString key, QString value, QString path) const;
    // Writes value inside double quotes; a refused write goes unnoticed.
    void WriteQuotedValue(QString section, QString key, QString value, QString path) const;

    // Assigns all 101 values of settingsStore() from the file, parsed once; a key missing from the
    // file (or a missing or unreadable file) gives empty text.
    void Load(QString path) const;
    // Writes all 101 values of settingsStore() in table order, producing what the 101 single
    // writes would, in one write of the file. At the first refused unquoted key it stops: the keys
    // before it are in the file, the keys from it on are not, and SettingsWriteError is thrown.
    void Save(QString path) const;

    // Copies the file whole to BackupPath(path), replacing an earlier backup. Reports nothing: when
    // the file cannot be read or the copy cannot be written, an earlier backup stays as it was.
    void CreateBackup(QString path) const;
};

} // namespace halvex
