// Settings file: any bytes are read; keys are then written, in memory and through Save, and read
// back. The written file must equal what a naive line-by-line writer makes of the same writes,
// which touches nothing but the lines the writes own.
#include "FuzzCheck.h"
#include "ReferenceIniWriter.h"
#include "settings/IniDocument.h"
#include "settings/IniEditor.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

using halvex::IniDocument;
using halvex::SettingsKey;
using halvex::settingsKeys;
using halvex::settingsStore;
using halvex::fuzz::ReferenceIniWriter;

std::string text(QLatin1StringView name) {
    return {name.data(), static_cast<std::size_t>(name.size())};
}

QByteArray bytes(const std::string& text) {
    return {text.data(), static_cast<qsizetype>(text.size())};
}

// The bytes that go into the file for a value of this key.
std::string written(const SettingsKey& key, const std::string& value) {
    return key.quoted ? '"' + value + '"' : value;
}

// What the reader hands back for a key line whose value part is these bytes.
std::string readBack(std::string_view value) {
    std::string_view part = halvex::fuzz::trimBlanks(value);
    if (part.size() >= 2 && part.front() == '"' && part.back() == '"') {
        part = part.substr(1, part.size() - 2);
    }
    part = part.substr(0, IniDocument::MaxValueLength);
    return std::string(part.substr(0, part.find('\0')));
}

QByteArray valueOf(const IniDocument& document, const SettingsKey& key) {
    return document.value(bytes(text(key.section)), bytes(text(key.key)));
}

using Edits = std::array<std::optional<std::string>, halvex::SettingsKeyCount>;

struct Input {
    std::string file;
    Edits values;
    bool throughTheFile = false;
};

// The input is the file, optionally followed by edits read from its end: the last byte n (below
// 14) counts n % 7 of them, and from 7 on they also go through Load and Save on a real file. Each
// edit is preceded by its key index and value length. A technician types one line.
Input split(const std::uint8_t* data, std::size_t size) {
    Input input{std::string(reinterpret_cast<const char*>(data), size), {}, false};
    std::string& bytes = input.file;
    if (bytes.empty() || static_cast<unsigned char>(bytes.back()) >= 14) {
        return input;
    }
    int count = static_cast<unsigned char>(bytes.back());
    input.throughTheFile = count >= 7;
    count %= 7;
    bytes.pop_back();
    for (; count > 0 && bytes.size() >= 2; --count) {
        const auto index = static_cast<unsigned char>(bytes.back()) % halvex::SettingsKeyCount;
        const auto length = static_cast<unsigned char>(bytes[bytes.size() - 2]);
        bytes.resize(bytes.size() - 2);
        const std::size_t taken = std::min<std::size_t>(length, bytes.size());
        std::string value = bytes.substr(bytes.size() - taken);
        bytes.resize(bytes.size() - taken);
        std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
        input.values[index] = std::move(value);
    }
    return input;
}

// The editor's single pass against the naive writer, and every key read back.
void checkInMemory(const std::string& file, const Edits& values) {
    const IniDocument before(bytes(file));
    halvex::IniEditor editor(before);
    ReferenceIniWriter reference(file);
    for (int index = 0; index < halvex::SettingsKeyCount; ++index) {
        if (const auto& value = values[index]) {
            const SettingsKey& key = settingsKeys()[index];
            const std::string bytesWritten = written(key, *value);
            editor.write(bytes(text(key.section)), bytes(text(key.key)), bytes(bytesWritten));
            reference.write(text(key.section), text(key.key), bytesWritten);
        }
    }
    const QByteArray result = editor.result();
    FUZZ_CHECK(result == bytes(reference.bytes()));

    const IniDocument after(result);
    for (int index = 0; index < halvex::SettingsKeyCount; ++index) {
        const SettingsKey& key = settingsKeys()[index];
        const QByteArray expected =
            values[index] ? bytes(readBack(written(key, *values[index]))) : valueOf(before, key);
        FUZZ_CHECK(valueOf(after, key) == expected);
    }
}

QString filePath() {
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("fuzz.ini"));
}

// Load, edit the store, Save, Load again: the file as the 101 single writes would leave it, and
// every value read back as the reader gives the bytes written.
void checkThroughTheFile(const std::string& file, const Edits& values) {
    const QString path = filePath();
    {
        QFile out(path);
        FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(out.write(bytes(file)) == static_cast<qint64>(file.size()));
    }
    const halvex::SettingsFile settings;
    settings.Load(path);
    for (int index = 0; index < halvex::SettingsKeyCount; ++index) {
        if (values[index]) {
            settingsStore().setAt(index, QString::fromLatin1(bytes(*values[index])));
        }
    }
    try {
        settings.Save(path);
    } catch (...) {
        FUZZ_FAIL("Save refused a writable file");
    }

    ReferenceIniWriter reference(file);
    std::array<std::string, halvex::SettingsKeyCount> bytesWritten;
    for (int index = 0; index < halvex::SettingsKeyCount; ++index) {
        const SettingsKey& key = settingsKeys()[index];
        const QByteArray value = settingsStore().at(index).toLatin1();
        bytesWritten[index] = written(key, value.toStdString());
        reference.write(text(key.section), text(key.key), bytesWritten[index]);
    }
    QFile in(path);
    FUZZ_CHECK(in.open(QIODevice::ReadOnly));
    FUZZ_CHECK(in.readAll() == bytes(reference.bytes()));

    settings.Load(path);
    for (int index = 0; index < halvex::SettingsKeyCount; ++index) {
        FUZZ_CHECK(settingsStore().at(index).toLatin1() == bytes(readBack(bytesWritten[index])));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input input = split(data, size);
    checkInMemory(input.file, input.values);
    if (input.throughTheFile) {
        checkThroughTheFile(input.file, input.values);
    }
    return 0;
}
