// A corpus of hostile settings files: each loads without harm, and Load followed by Save keeps
// the technician's own lines byte for byte.
#include "SettingsTestFiles.h"

#include "settings/SettingsStore.h"

#include <functional>
#include <vector>

namespace halvex {
namespace {

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
    // Lines of the technician's that the saved file holds unchanged.
    QByteArray kept = {};
};

const HostileFile kCorpus[] = {
    {"byteOrderMarkOnly", [] { return QByteArray("\xEF\xBB\xBF"); }},
    {"truncatedInAHeader",
     [] { return factory().left(factory().indexOf("[WhiteBalance]") + 6); },
     nullptr,
     nullptr,
     {},
     "\r\n[White"},
    {"truncatedInAValue", [] { return factory().left(factory().indexOf("Blue=8c") + 6); },
     u"WhiteBalance", u"Blue", "8"},
    {"truncatedBetweenCrAndLf",
     [] { return factory().left(factory().indexOf("\r\n[FrameSpeed]") + 1); }},
    {"binaryAfterTheFactoryFile", [] { return factory() + randomBytes(256 * 1024, 15); },
     u"FrameSpeed", u"FrameSpeed", "30", randomBytes(256 * 1024, 15)},
    {"tenMegabytes", tenMegabytes, u"FrameSpeed2", u"FrameSpeed", "30",
     "[Measurements]\r\nRow0=" + QByteArray(120, 'x') + "\r\nRow1="},
    {"noSections", [] { return QByteArray("FrameSpeed=5\r\nBlue=8c\r\n; no header\r\n"); },
     u"FrameSpeed", u"FrameSpeed", "", "FrameSpeed=5\r\nBlue=8c\r\n; no header\r\n"},
    {"duplicateSectionsAndKeys",
     [] {
         return "[FrameSpeed]\nFrameSpeed=15\nframespeed=7\n[FRAMESPEED]\nFrameSpeed=3\n" +
                factory();
     },
     u"FrameSpeed", u"FrameSpeed", "15", "\nframespeed=7\n[FRAMESPEED]\nFrameSpeed=3\n"},
    {"veryLongLines",
     [] {
         return "; " + QByteArray(300000, 'c') +
                "\r\n[CaptureScreenParameter]\r\nAutosavePrefix=" + QByteArray(100000, 'p') +
                "\r\n" + QByteArray(200000, 'k') + "=v\r\n" + factory();
     },
     u"CaptureScreenParameter", u"AutosavePrefix", QByteArray(254, 'p'),
     "; " + QByteArray(300000, 'c') + "\r\n"},
    {"nulBytes",
     [] {
         return bytes("[Fo\0reign]\r\nx=\0\0\r\n"sv) +
                factory().replace("Blue=8c", bytes("Blue=8\0c"sv)) + bytes("\0\0\0"sv);
     },
     u"WhiteBalance", u"Blue", "8", bytes("[Fo\0reign]\r\nx=\0\0\r\n"sv)},
    {"latin1Text", [] { return withTechnicianText("Gr\366\337e Pr\374fung"); },
     u"CaptureScreenParameter", u"AutosavePrefix", "Gr\366\337e Pr\374fung",
     "; Gr\366\337e Pr\374fung\r\n"},
    {"utf8Text", [] { return "\xEF\xBB\xBF" + withTechnicianText("\xC2\xB5m Pr\xC3\274fung"); },
     u"CaptureScreenParameter", u"AutosavePrefix", "\xC2\xB5m Pr\xC3\274fung",
     "\xEF\xBB\xBF; \xC2\xB5m Pr\xC3\274fung\r\n"},
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
    EXPECT_EQ(saved.startsWith("\xEF\xBB\xBF"), original.startsWith("\xEF\xBB\xBF"));
    EXPECT_TRUE(saved.contains(c.kept));

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
