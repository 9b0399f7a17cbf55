// The private-profile dialect: file bytes in, values out; file bytes and one write in, file bytes
// out.
#include "SettingsTestFiles.h"

#include "settings/SettingsWriteError.h"

namespace halvex {
namespace {

struct ReadCase {
    const char* name;
    QByteArray file;
    QString section;
    QString key;
    QString expected;
};

const QString Long300 = QString(300, u'x');
const QString Cut254 = QString(254, u'x');

const ReadCase kReadCases[] = {
    {"NamesIgnoreCase", "[gAmMa]\r\ngamma1=71,03,00\r\n", "Gamma", "Gamma1", "71,03,00"},
    {"BlanksAndTabsTrimmed", "[ \tGamma\t ]\n \t Gamma1 \t=\t 71,03,00 \t\n", "Gamma", "Gamma1",
     "71,03,00"},
    {"HeaderWithoutBracket", "[Gamma\nGamma1=1\n", "Gamma", "Gamma1", "1"},
    {"HeaderEndsAtFirstBracket", "[Gam]ma]\nGamma1=1\n", "Gam", "Gamma1", "1"},
    {"CommentLineSkipped", "[G]\n  ;k=1\nk=2\n", "G", "k", "2"},
    {"NoTrailingComment", "[G]\nk=1 ; note\n", "G", "k", "1 ; note"},
    {"FirstKeyWins", "[G]\nk=1\nK=2\n", "G", "k", "1"},
    {"OnlyFirstSectionSearched", "[G]\na=1\n[g]\nk=2\n", "G", "k", ""},
    {"ValueAfterFirstEquals", "[G]\nk = a=b\n", "G", "k", "a=b"},
    {"OneQuotePairRemoved", "[G]\nk=\"\"x\"\"\n", "G", "k", "\"x\""},
    {"QuotedBlanksKept", "[G]\nk= \"  x  \" \n", "G", "k", "  x  "},
    {"UnbalancedQuoteKept", "[G]\nk=\"x\n", "G", "k", "\"x"},
    {"LoneQuoteKept", "[G]\nk=\"\n", "G", "k", "\""},
    {"LongValueCut", "[G]\nk=" + Long300.toLatin1() + "\n", "G", "k", Cut254},
    {"LongQuotedValueCut", "[G]\nk=\"" + Long300.toLatin1() + "\"\n", "G", "k", Cut254},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBF[G]\r\nk=1\r\n", "G", "k", "1"},
    {"CarriageReturnOnly", "[A]\ra=1\r[G]\rk=2", "G", "k", "2"},
    {"TruncatedLastLine", "[G]\nk=12", "G", "k", "12"},
    {"LineWithoutEquals", "[G]\nk\n", "G", "k", ""},
    {"KeyBeforeFirstSection", "k=1\n[G]\n", "G", "k", ""},
    {"CutAtNulByte", bytes("[G]\nk=ab\0cd\n"sv), "G", "k", "ab"},
    {"Latin1Bytes", "[G]\nk=C:\\Bilder\\\xC4rzte\n", "G", "k",
     QString::fromLatin1("C:\\Bilder\\\xC4rzte")},
    {"MissingKey", "[G]\nj=1\n", "G", "k", ""},
    {"MissingSection", "[H]\nk=1\n", "G", "k", ""},
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadDialect : public SettingsFileFixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadDialect, GivesValue) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(m_file.ReadValue(c.section, c.key, write("f.ini", c.file)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, ReadDialect, ::testing::ValuesIn(kReadCases),
                         [](const auto& test) { return std::string(test.param.name); });

struct WriteCase {
    const char* name;
    std::optional<QByteArray> file; // nothing: the file does not exist yet
    QString section;
    QString key;
    QString value;
    bool quoted;
    QByteArray expected;
};

const WriteCase kWriteCases[] = {
    {"NewFile", std::nullopt, "A", "a", "1", false, "[A]\r\na=1\r\n"},
    {"EmptyFile", "", "A", "a", "1", false, "[A]\r\na=1\r\n"},
    {"ReplaceKeepsSpellingAndBreak", "[a]\r\n  KEY = old \r\nx=1\r\n", "A", "key", "new", false,
     "[a]\r\nKEY=new\r\nx=1\r\n"},
    {"ReplaceLastLineWithoutBreak", "[A]\r\na=1", "A", "a", "2", false, "[A]\r\na=2"},
    {"NewKeyAfterLastKeyLine", "[A]\r\na=1\r\n\r\n;c\r\n[B]\r\n", "A", "b", "2", false,
     "[A]\r\na=1\r\nb=2\r\n\r\n;c\r\n[B]\r\n"},
    {"NewKeyUnderBareHeader", "[A]\r\n\r\n[B]\r\n", "A", "a", "1", false,
     "[A]\r\na=1\r\n\r\n[B]\r\n"},
    {"NewKeyAfterUnbrokenLastLine", "[A]\r\na=1", "A", "b", "2", false, "[A]\r\na=1\r\nb=2\r\n"},
    {"NewKeyUnderUnbrokenHeader", "[A]", "A", "a", "1", false, "[A]\r\na=1\r\n"},
    {"NewSectionAfterMissingBreak", "[A]\r\n;end", "B", "b", "2", false,
     "[A]\r\n;end\r\n[B]\r\nb=2\r\n"},
    {"LineFeedConvention", "[A]\na=1\n", "B", "b", "2", false, "[A]\na=1\n[B]\nb=2\n"},
    {"CarriageReturnConvention", "[A]\ra=1\r", "A", "b", "2", false, "[A]\ra=1\rb=2\r"},
    {"FirstSectionOfNameGetsKey", "[A]\r\nx=1\r\n[a]\r\na=1\r\n", "A", "a", "2", false,
     "[A]\r\nx=1\r\na=2\r\n[a]\r\na=1\r\n"},
    {"ValueBytesKept", "[A]\r\n", "A", "a", "  x  ", false, "[A]\r\na=  x  \r\n"},
    {"QuotedValue", "[A]\r\na=1\r\n", "A", "a", " C:\\x ", true, "[A]\r\na=\" C:\\x \"\r\n"},
    {"ByteOrderMarkAndForeignBytesKept", "\xEF\xBB\xBFjunk\x01\xFF\r\n[A]\r\na=1\r\n;\xFE\r\n", "A",
     "a", "2", false, "\xEF\xBB\xBFjunk\x01\xFF\r\n[A]\r\na=2\r\n;\xFE\r\n"},
    {"ByteOrderMarkOnly", "\xEF\xBB\xBF", "A", "a", "1", false, "\xEF\xBB\xBF[A]\r\na=1\r\n"},
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteDialect : public SettingsFileFixture, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteDialect, GivesFile) {
    const WriteCase& c = GetParam();
    const QString file = c.file ? write("f.ini", *c.file) : path("f.ini");
    if (c.quoted) {
        m_file.WriteQuotedValue(c.section, c.key, c.value, file);
    } else {
        m_file.WriteValue(c.section, c.key, c.value, file);
    }
    EXPECT_EQ(read(file), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Settings, WriteDialect, ::testing::ValuesIn(kWriteCases),
                         [](const auto& test) { return std::string(test.param.name); });

using WriteRefusals = SettingsFileFixture;

TEST_F(WriteRefusals, BareWriteThrowsQuotedWriteIsSilentFileUntouched) {
    const QByteArray original = "[A]\r\na=1\r\n";
    const QString file = write("f.ini", original);
    const QString refusedPaths[] = {path("missing/f.ini"), path("."), file};
    SettingsFile::SetWriteRefusal(
        [&](const QString& p, const QString&, const QString&) { return p == file; });
    for (const QString& refused : refusedPaths) {
        SCOPED_TRACE(refused.toStdString());
        try {
            m_file.WriteValue("A", "a", "2", refused);
            ADD_FAILURE() << "no refusal";
        } catch (const SettingsWriteError& error) {
            EXPECT_EQ(error.text(), "Save ini file command failed.");
        }
        EXPECT_NO_THROW(m_file.WriteQuotedValue("A", "a", "2", refused));
    }
    EXPECT_EQ(read(file), original);
    EXPECT_FALSE(QFile::exists(path("missing")));
}

} // namespace
} // namespace halvex
