// A corpus of hostile settings files: each loads without harm, and Load followed by Save keeps
// every byte that the 101 keys do not own, line for line.
#include "SettingsTestFiles.h"

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <functional>
#include <set>
#include <vector>

namespace halvex {
namespace {

using Name = std::pair<QByteArray, QByteArray>;

QByteArray blanksTrimmed(QByteArray text) {
    while (text.startsWith(' ') || text.startsWith('\t')) {
        text.remove(0, 1);
    }
    while (text.endsWith(' ') || text.endsWith('\t')) {
        text.chop(1);
    }
    return text;
}

QByteArray lowered(QLatin1StringView text) {
    return QByteArray(text.data(), text.size()).toLower();
}

// The lines (with their breaks) the keys do not own, as a Windows reader splits them at CR, LF or
// CRLF after a byte-order mark. A key owns the first line of its name in the first section of its
// name; every other line, section headers included, belongs to the technician.
std::vector<QByteArray> foreignLines(const QByteArray& bytes) {
    std::set<Name> keys, keysSeen;
    for (const SettingsKey& key : settingsKeys()) {
        keys.insert({lowered(key.section), lowered(key.key)});
    }
    std::set<QByteArray> sectionsSeen;
    QByteArray section; // empty: before any section, or in a repeated one
    std::vector<QByteArray> foreign;
    qsizetype begin = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (begin < bytes.size()) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') {
            ++end;
        }
        const qsizetype next = end + (bytes.mid(end, 2) == "\r\n" ? 2 : end < bytes.size() ? 1 : 0);
        const QByteArray content = blanksTrimmed(bytes.mid(begin, end - begin)).toLower();
        const Name key{section, blanksTrimmed(content.left(content.indexOf('=')))};
        if (content.startsWith('[')) {
            const qsizetype close = content.indexOf(']');
            const QByteArray name = blanksTrimmed(content.mid(1, close < 0 ? -1 : close - 1));
            section = sectionsSeen.insert(name).second ? name : QByteArray();
        }
        if (content.isEmpty() || content.startsWith(';') || content.startsWith('[') ||
            !keys.contains(key) || !keysSeen.insert(key).second) {
            foreign.push_back(bytes.mid(begin, next - begin));
        }
        begin = next;
    }
    return foreign;
}

// The saved file keeps the loaded file's foreign lines in order, byte for byte (the last one may
// gain a line break when keys follow it); after them come only headers of sections it lacked.
void expectForeignLinesKept(const QByteArray& loaded, const QByteArray& saved) {
    EXPECT_EQ(saved.startsWith("\xEF\xBB\xBF"), loaded.startsWith("\xEF\xBB\xBF"));
    const std::vector<QByteArray> before = foreignLines(loaded), after = foreignLines(saved);
    ASSERT_GE(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool unbrokenLast =
            i + 1 == before.size() && !before[i].endsWith('\n') && !before[i].endsWith('\r');
        EXPECT_TRUE(after[i] == before[i] || (unbrokenLast && after[i] == before[i] + "\r\n"))
            << "line " << i;
    }
    std::set<QByteArray> headers;
    for (const SettingsKey& key : settingsKeys()) {
        headers.insert('[' + QByteArray(key.section.data(), key.section.size()) + "]\r\n");
    }
    for (std::size_t i = before.size(); i < after.size(); ++i) {
        EXPECT_TRUE(headers.contains(after[i])) << after[i].left(80).toStdString();
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
QByteArray withTechnicianText(const QByteArray& text) {
    return "; " + text + "\r\n" +
           factory().replace("AutosavePrefix=\"IMG\"", "AutosavePrefix=\"" + text + '"');
}

struct HostileFile {
    const char* name;
    std::function<QByteArray()> content;
    // A value the tool must read from it, as bytes (no section: nothing to check).
    const char16_t* section = nullptr;
    const char16_t* key = nullptr;
    QByteArray value = {};
};

const HostileFile kCorpus[] = {
    {"byteOrderMarkOnly", [] { return QByteArray("\xEF\xBB\xBF"); }},
    {"truncatedInAHeader", [] { return factory().left(factory().indexOf("[WhiteBalance]") + 6); }},
    {"truncatedInAValue", [] { return factory().left(factory().indexOf("Blue=8c") + 6); },
     u"WhiteBalance", u"Blue", "8"},
    {"truncatedBetweenCrAndLf",
     [] { return factory().left(factory().indexOf("\r\n[FrameSpeed]") + 1); }},
    {"binaryAfterTheFactoryFile", [] { return factory() + randomBytes(256 * 1024, 15); },
     u"FrameSpeed", u"FrameSpeed", "30"},
    {"tenMegabytes", tenMegabytes, u"FrameSpeed2", u"FrameSpeed", "30"},
    {"noSections", [] { return QByteArray("FrameSpeed=5\r\nBlue=8c\r\n; no header\r\n"); },
     u"FrameSpeed", u"FrameSpeed", ""},
    {"duplicateSectionsAndKeys",
     [] {
         return "[FrameSpeed]\nFrameSpeed=15\nframespeed=7\n[FRAMESPEED]\nFrameSpeed=3\n" +
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
         return bytes("[Fo\0reign]\r\nx=\0\0\r\n"sv) +
                factory().replace("Blue=8c", bytes("Blue=8\0c"sv)) + bytes("\0\0\0"sv);
     },
     u"WhiteBalance", u"Blue", "8"},
    {"latin1Text", [] { return withTechnicianText("Gr\366\337e Pr\374fung"); },
     u"CaptureScreenParameter", u"AutosavePrefix", "Gr\366\337e Pr\374fung"},
    {"utf8Text", [] { return "\xEF\xBB\xBF" + withTechnicianText("\xC2\xB5m Pr\xC3\274fung"); },
     u"CaptureScreenParameter", u"AutosavePrefix", "\xC2\xB5m Pr\xC3\274fung"},
    {"mixedLineBreaks",
     [] { return factory().replace("\r\n[", "\r[").replace("\r\nBlue", "\nBlue"); },
     u"WhiteBalance2", u"Blue", "8c"},
};

class HostileFileTest : public SettingsFileFixture,
                        public ::testing::WithParamInterface<HostileFile> {};

TEST_P(HostileFileTest, LoadsAndSaveKeepsEveryByteTheKeysDoNotOwn) {
    const HostileFile& c = GetParam();
    const QByteArray original = c.content();
    const QString file = write(QStringLiteral("hostile.ini"), original);
    m_file.Load(file);
    std::vector<QString> loaded;
    for (int index = 0; index < SettingsStore::Count; ++index) {
        loaded.push_back(settingsStore().at(index));
        EXPECT_LE(loaded.back().size(), 254) << index;
    }
    if (c.section != nullptr) {
        EXPECT_EQ(settingsStore().value(QStringView(c.section), QStringView(c.key)).toLatin1(),
                  c.value);
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
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace halvex
