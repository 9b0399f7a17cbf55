// The sequential-capture window's reading of the settings file: any bytes give capture defaults
// without a crash, and on a plain file (ASCII text, LF or CRLF lines, every key line with its '=')
// the window reads each of its keys exactly as the tool's own settings reader does.
#include "FuzzCheck.h"
#include "settings/IniDocument.h"

#include <CaptureDefaults.h>
#include <ProfileReader.h>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <string>

namespace {

constexpr std::array<const char16_t*, 3> kKeys = {u"AutosaveLocation", u"AutosavePrefix",
                                                  u"SnapshotDefaultFormat"};
constexpr char16_t kSection[] = u"CaptureScreenParameter";

QString filePath() {
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("capture.ini"));
}

void writeFile(const QString& path, const std::string& bytes) {
    QFile out(path);
    FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(out.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()));
}

// The input made plain: printable ASCII and tabs only, lines broken by LF or CRLF, and a key line
// without '=' given one at its end.
std::string plain(const std::string& bytes) {
    std::string out;
    std::string line;
    const auto endLine = [&](const char* lineBreak) {
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] != '[' && line[first] != ';' &&
            line.find('=') == std::string::npos) {
            line += '=';
        }
        out += line;
        out += lineBreak;
        line.clear();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            endLine(i > 0 && bytes[i - 1] == '\r' ? "\r\n" : "\n");
        } else if (c == '\t' || (c >= 0x20 && c < 0x7F)) {
            line += c;
        }
    }
    if (!line.empty()) {
        endLine("");
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString path = filePath();
    writeFile(path, bytes);
    const quorvin::CaptureDefaults defaults = quorvin::CaptureDefaults::read(path);
    FUZZ_CHECK(!defaults.folder.isEmpty());
    FUZZ_CHECK(quorvin::isWritable(defaults.format));

    const std::string plainBytes = plain(bytes);
    if (plainBytes != bytes) {
        writeFile(path, plainBytes);
    }
    const quorvin::ProfileReader reader(path);
    const halvex::IniDocument document(
        QByteArray(plainBytes.data(), static_cast<qsizetype>(plainBytes.size())));
    for (const char16_t* key : kKeys) {
        const QString name = QString::fromUtf16(key);
        FUZZ_CHECK(reader.value(kSection, name) ==
                   QString::fromLatin1(document.value("CaptureScreenParameter", name.toLatin1())));
    }
    return 0;
}
