// The private-profile dialect: bytes in, the value of [G] k out; bytes and one write in, bytes out.
#include "SettingsTestFiles.h"

namespace halvex {
namespace {

struct ReadCase {
    const char* name;
    QByteArray file;
    QString expected;
};

const ReadCase kReadCases[] = {
    {"NamesIgnoreCase", "[g]\r\nK=71,03,00\r\n", "71,03,00"},
    {"BlanksAndTabsTrimmed", "[ \tG\t ]\n \t k \t=\t 1 \t\n", "1"},
    {"HeaderWithoutBracket", "[G\nk=1\n", "1"},
    {"HeaderEndsAtFirstBracket", "[G]x]\nk=1\n", "1"},
    {"CommentLineSkipped", "[G]\n  ;k=1\nk=2\n", "2"},
    {"NoTrailingComment", "[G]\nk=1 ; note\n", "1 ; note"},
    {"FirstKeyWins", "[G]\nk=1\nK=2\n", "1"},
    {"OnlyFirstSectionSearched", "[G]\na=1\n[g]\nk=2\n", ""},
    {"ValueAfterFirstEquals", "[G]\nk = a=b\n", "a=b"},
    {"OneQuotePairRemoved", "[G]\nk=\"\"x\"\"\n", "\"x\""},
    {"QuotedBlanksKept", "[G]\nk= \"  x  \" \n", "  x  "},
    {"UnbalancedQuoteKept", "[G]\nk=\"x\n", "\"x"},
    {"LoneQuoteKept", "[G]\nk=\"\n", "\""},
    {"LongQuotedValueCut", "[G]\nk=\"" + QByteArray(300, 'x') + "\"\n", QString(254, u'x')},
    {"ByteOrderMarkSkipped", "\xEF\xBB\xBF[G]\r\nk=1\r\n", "1"},
    {"CarriageReturnsOnlyLastLineUnbroken", "[A]\ra=1\r[G]\rk=2", "2"},
    {"LineWithoutEquals", "[G]\nk\n", ""},
    {"KeyBeforeAnySection", "k=1\n[G]\n", ""},
    {"CutAtNulByte", bytes("[G]\nk=ab\0cd\n"sv), "ab"},
    {"Latin1Bytes", "[G]\nk=C:\\\xC4rzte\n", QString::fromLatin1("C:\\\xC4rzte")},
};

using Dialect = SettingsFileFixture;

TEST_F(Dialect, ReadGivesValue) {
    for (const ReadCase& c : kReadCases) {
        EXPECT_EQ(m_file.ReadValue("G", "k", write("f.ini", c.file)), c.expected) << c.name;
    }
}

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
    {"ReplaceKeepsSpellingAndBreak", "[a]\r\n  KEY = old \r\nx=1\r\n", "A", "key", "new", false,
     "[a]\r\nKEY=new\r\nx=1\r\n"},
    {"ReplacedLastLineGetsItsBreak", "[A]\r\na=1", "A", "a", "2", false, "[A]\r\na=2\r\n"},
    {"ReplacedLineEndsWithCrLfOthersKeepTheirs", "[A]\na=1\nb=1\n", "A", "a", "2", false,
     "[A]\na=2\r\nb=1\n"},
    {"NewKeyAfterLastKeyLine", "[A]\r\na=1\r\n\r\n;c\r\n[B]\r\n", "A", "b", "2", false,
     "[A]\r\na=1\r\nb=2\r\n\r\n;c\r\n[B]\r\n"},
    {"NewKeyUnderBareHeader", "[A]\r\n\r\n[B]\r\n", "A", "a", "1", false,
     "[A]\r\na=1\r\n\r\n[B]\r\n"},
    {"NewKeyAfterUnbrokenLastLine", "[A]\r\na=1", "A", "b", "2", false, "[A]\r\na=1\r\nb=2\r\n"},
    {"NewSectionAfterMissingBreak", "[A]\r\n;end", "B", "b", "2", false,
     "[A]\r\n;end\r\n[B]\r\nb=2\r\n"},
    {"NewSectionInLineFeedFileEndsWithCrLf", "[A]\na=1\n", "B", "b", "2", false,
     "[A]\na=1\n[B]\r\nb=2\r\n"},
    {"NewKeyInCarriageReturnFileEndsWithCrLf", "[A]\ra=1\r", "A", "b", "2", false,
     "[A]\ra=1\rb=2\r\n"},
    {"NewKeyUnderUnbrokenLastHeader", "[A]", "A", "a", "1", false, "[A]\r\na=1\r\n"},
    {"FirstSectionOfNameGetsKey", "[A]\r\nx=1\r\n[a]\r\na=1\r\n", "A", "a", "2", false,
     "[A]\r\nx=1\r\na=2\r\n[a]\r\na=1\r\n"},
    {"QuotedValue", "[A]\r\na=1\r\n", "A", "a", " C:\\x ", true, "[A]\r\na=\" C:\\x \"\r\n"},
    {"ByteOrderMarkAndForeignBytesKept", "\xEF\xBB\xBFjunk\x01\xFF\r\n[A]\r\na=1\r\n;\xFE\r\n", "A",
     "a", "2", false, "\xEF\xBB\xBFjunk\x01\xFF\r\n[A]\r\na=2\r\n;\xFE\r\n"},
    {"ByteOrderMarkOnly", "\xEF\xBB\xBF", "A", "a", "1", false, "\xEF\xBB\xBF[A]\r\na=1\r\n"},
};

TEST_F(Dialect, WriteGivesFile) {
    for (const WriteCase& c : kWriteCases) {
        const QString file = c.file ? write(c.name, *c.file) : path(c.name);
        if (c.quoted) {
            m_file.WriteQuotedValue(c.section, c.key, c.value, file);
        } else {
            m_file.WriteValue(c.section, c.key, c.value, file);
        }
        EXPECT_EQ(read(file), c.expected) << c.name;
    }
}

} // namespace
} // namespace halvex
