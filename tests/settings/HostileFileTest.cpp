// A corpus of hostile settings files: each loads without harm, and Load followed by Save keeps
// every byte that the 101 keys do not own, line for line.
#include "SettingsTestFiles.h"

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <functional>
#include <optional>
#include <set>
#include <vector>

namespace halvex {
namespace {

struct Line {
    QByteArray content;
    QByteArray lineBreak;
    bool operator==(const Line&) const = default;
};

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// The file's lines as a Windows reader splits them, after a byte-order mark: at CR, LF or CRLF.
std::vector<Line> splitLines(const QByteArray& bytes) {
    std::vector<Line> lines;
    qsizetype begin = bytes.startsWith(kByteOrderMark) ? 3 : 0;
    while (begin < bytes.size()) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        qsizetype next = end;
        if (next < bytes.size()) {
            next +=
                bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
        }
        lines.push_back({bytes.mid(begin, end - begin), bytes.mid(end, next - end)});
        begin = next;
    }
    return lines;
}

QByteArray blanksTrimmed(QByteArray text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove(0, 1);
    }
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t')) {
        text.chop(1);
    }
    return text;
}

QByteArray latin1(QLatin1StringView text) {
    return QByteArray(text.data(), text.size()).toLower();
}

// Which lines the 101 keys own: the first line of each key in the first section of its name.
// Every other line, section headers included, belongs to the technician.
std::vector<bool> ownedLines(const std::vector<Line>& lines) {
    std::set<std::pair<QByteArray, QByteArray>> keys;
    for (const SettingsKey& key : settingsKeys()) {
        keys.insert({latin1(key.section), latin1(key.key)});
    }
    std::vector<bool> owned(lines.size(), false);
    std::set<QByteArray> sectionsSeen;
    std::set<std::pair<QByteArray, QByteArray>> keysSeen;
    std::optional<QByteArray> section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QByteArray content = blanksTrimmed(lines[i].content);
        if (content.isEmpty() || content.front() == ';') {
            continue;
        }
        if (content.front() == '[') {
            const qsizetype close = content.indexOf(']');
            const QByteArray name =
                blanksTrimmed(close < 0 ? content.mid(1) : content.mid(1, close - 1)).toLower();
            section = sectionsSeen.insert(name).second ? std::optional(name) : std::nullopt;
            continue;
        }
        const QByteArray name = blanksTrimmed(content.left(content.indexOf('='))).toLower();
        if (section && keys.contains({*section, name}) &&
            keysSeen.insert({*section, name}).second) {
            owned[i] = true;
        }
    }
    return owned;
}

std::vector<Line> foreignLines(const QByteArray& bytes) {
    const std::vector<Line> lines = splitLines(bytes);
    const std::vector<bool> owned = ownedLines(lines);
    std::vector<Line> foreign;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!owned[i]) {
            foreign.push_back(lines[i]);
        }
    }
    return foreign;
}

// The saved file keeps the loaded file's foreign lines, in order and byte for byte (the last one
// may gain a line break when keys follow it); after them come only the headers of sections the
// file lacked.
void expectForeignLinesKept(const QByteArray& loaded, const QByteArray& saved) {
    EXPECT_EQ(saved.startsWith(kByteOrderMark), loaded.startsWith(kByteOrderMark));
    const std::vector<Line> before = foreignLines(loaded);
    const std::vector<Line> after = foreignLines(saved);
    ASSERT_GE(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].content, before[i].content) << "line " << i;
        if (i + 1 < before.size() || !before[i].lineBreak.isEmpty()) {
            EXPECT_EQ(after[i].lineBreak, before[i].lineBreak) << "line " << i;
        }
    }
    std::set<QByteArray> sections;
    for (const SettingsKey& key : settingsKeys()) {
        sections.insert('[' + QByteArray(key.section.data(), key.section.size()) + ']');
    }
    for (std::size_t i = before.size(); i < after.size(); ++i) {
        EXPECT_TRUE(sections.contains(after[i].content)) << after[i].content.left(80).toStdString();
    }
}

QByteArray factory() {
    QFile file(QStringLiteral(HALVEX_DEFAULT_INI));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// About 10 MB of foreign lines in a section of their own, after the factory file.
QByteArray tenMegabytes() {
    QByteArray bytes = factory() + "[Measurements]\r\n";
    for (int row = 0; bytes.size() < 10 * 1024 * 1024; ++row) {
        bytes += "Row" + QByteArray::number(row) + '=' + QByteArray(120, 'x') + "\r\n";
    }
    return bytes;
}

// The factory file with a comment line of the technician's on top and a prefix of theirs.
QByteArray withTechnicianText(const QByteArray& comment, const QByteArray& prefix) {
    QByteArray file = factory();
    file.replace("AutosavePrefix=\"IMG\"", "AutosavePrefix=\"" + prefix + '"');
    return "; " + comment + "\r\n" + file;
}

struct HostileFile {
    const char* name;
    std::function<QByteArray()> content;
    // A value the tool must read from it, as bytes (no section: nothing to check).
    const char16_t* section = nullptr;
    const char16_t* key = nullptr;
    QByteArray value;
};

const HostileFile kCorpus[] = {
    {"empty", [] { return QByteArray(); }, nullptr, nullptr, {}},
    {"byteOrderMarkOnly", [] { return QByteArray("\xEF\xBB\xBF"); }, nullptr, nullptr, {}},
    {"truncatedInAHeader",
     [] { return factory().left(factory().indexOf("[WhiteBalance]") + 6); },
     nullptr,
     nullptr,
     {}},
    {"truncatedInAValue", [] { return factory().left(factory().indexOf("Blue=8c") + 6); },
     u"WhiteBalance", u"Blue", "8"},
    {"truncatedBetweenCrAndLf",
     [] { return factory().left(factory().indexOf("\r\n[FrameSpeed]") + 1); },
     nullptr,
     nullptr,
     {}},
    {"binary", [] { return randomBytes(256 * 1024, 14); }, nullptr, nullptr, {}},
    {"binaryAfterTheFactoryFile", [] { return factory() + randomBytes(64 * 1024, 15); },
     u"FrameSpeed", u"FrameSpeed", "30"},
    {"tenMegabytes", tenMegabytes, u"FrameSpeed2", u"FrameSpeed", "30"},
    {"singleTenMegabyteLine",
     [] { return "[Version]\nVersion=" + QByteArray(10 * 1024 * 1024, 'v'); }, u"Version",
     u"Version", QByteArray(254, 'v')},
    {"noSections", [] { return QByteArray("FrameSpeed=5\r\nBlue=8c\r\n; no header anywhere\r\n"); },
     u"FrameSpeed", u"FrameSpeed", ""},
    {"duplicateSectionsAndKeys",
     [] {
         return "[FrameSpeed]\r\nFrameSpeed=15\r\nframespeed=7\r\n[FRAMESPEED]\r\nFrameSpeed="
                "3\r\n" +
                factory();
     },
     u"FrameSpeed", u"FrameSpeed", "15"},
    {"veryLongLines",
     [] {
         return "; " + QByteArray(300000, 'c') +
                "\r\n[CaptureScreenParameter]\r\nAutosavePrefix=" + QByteArray(100000, 'p') +
                "\r\n" + QByteArray(200000, 'k') + "=v\r\n" + factory();
     },
     u"CaptureScreenParameter", u"AutosavePrefix", QByteArray(254, 'p')},
    {"nulBytes",
     [] {
         QByteArray file = factory();
         file.replace("Blue=8c", bytes("Blue=8\0c"sv));
         return bytes("[Fo\0reign]\r\nx=\0\0\r\n"sv) + file + bytes("\0\0\0"sv);
     },
     u"WhiteBalance", u"Blue", "8"},
    {"latin1Text",
     [] {
         return withTechnicianText("\xB5m Gr\xF6\xDF"
                                   "e",
                                   "Pr\xFC"
                                   "fung");
     },
     u"CaptureScreenParameter", u"AutosavePrefix",
     "Pr\xFC"
     "fung"},
    {"utf8Text",
     [] {
         return "\xEF\xBB\xBF" + withTechnicianText("\xC2\xB5m Gr\xC3\xB6\xC3\x9F"
                                                    "e",
                                                    "Pr\xC3\xBC"
                                                    "fung");
     },
     u"CaptureScreenParameter", u"AutosavePrefix",
     "Pr\xC3\xBC"
     "fung"},
    {"mixedLineBreaks",
     [] {
         QByteArray bytes = factory();
         bytes.replace("\r\n[", "\r[").replace("\r\nBlue", "\nBlue");
         return bytes;
     },
     u"WhiteBalance2", u"Blue", "8c"},
};

class HostileFileTest : public SettingsFileFixture,
                        public ::testing::WithParamInterface<HostileFile> {};

TEST_P(HostileFileTest, LoadsAndSaveKeepsEveryByteTheKeysDoNotOwn) {
    const QByteArray original = GetParam().content();
    const QString file = write(QStringLiteral("hostile.ini"), original);
    m_file.Load(file);
    for (int index = 0; index < SettingsStore::Count; ++index) {
        EXPECT_LE(settingsStore().at(index).size(), 254) << index;
    }
    if (const HostileFile& c = GetParam(); c.section != nullptr) {
        EXPECT_EQ(settingsStore().value(QStringView(c.section), QStringView(c.key)).toLatin1(),
                  c.value);
    }
    std::vector<QString> loaded;
    for (int index = 0; index < SettingsStore::Count; ++index) {
        loaded.push_back(settingsStore().at(index));
    }

    m_file.Save(file);
    const QByteArray saved = read(file);
    expectForeignLinesKept(original, saved);

    // Every key reads back as it was loaded, so a second save changes nothing.
    m_file.Load(file);
    for (int index = 0; index < SettingsStore::Count; ++index) {
        EXPECT_EQ(settingsStore().at(index), loaded[index]) << index;
    }
    m_file.Save(file);
    EXPECT_TRUE(read(file) == saved);
}

INSTANTIATE_TEST_SUITE_P(Corpus, HostileFileTest, ::testing::ValuesIn(kCorpus),
                         [](const ::testing::TestParamInfo<HostileFile>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace halvex
