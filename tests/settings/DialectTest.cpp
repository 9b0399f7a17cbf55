// The private-profile dialect: bytes in, the value of [G] k out; bytes and one write in, bytes out.
#include "SettingsTestFiles.h"

#include <algorithm>
#include <vector>

namespace halvex {
namespace {

// Bytes as dialect-cases.txt writes them.
QByteArray unescape(const QByteArray& text) {
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
        } else if (text[++i] == 'x') {
            bytes += static_cast<char>(text.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            // An unknown escape gives '?', so that a typo in the file fails its case.
            bytes += "?\r\n\t\0\\"[QByteArrayView("rnt0\\").indexOf(text[i]) + 1];
        }
    }
    return bytes;
}

// The cases of one kind, each its fields unescaped after the kind.
std::vector<QList<QByteArray>> cases(const QByteArray& kind) {
    QFile file(QStringLiteral(HALVEX_SOURCE_DIR "/tests/settings/dialect-cases.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QList<QByteArray>> found;
    for (const QByteArray& line : file.readAll().split('\n')) {
        QList<QByteArray> fields = line.split('\t');
        if (fields.takeFirst() == kind) {
            std::ranges::transform(fields, fields.begin(), unescape);
            found.push_back(fields);
        }
    }
    return found;
}

using Dialect = SettingsFileFixture;

TEST_F(Dialect, ReadGivesValue) {
    ASSERT_EQ(cases("read").size(), 20u);
    for (const auto& c : cases("read")) {
        EXPECT_EQ(m_file.ReadValue("G", "k", write("f.ini", c[1])), QString::fromLatin1(c[2]))
            << c[0].constData();
    }
    const QByteArray longValue = "[G]\nk=\"" + QByteArray(300, 'x') + "\"\n";
    EXPECT_EQ(m_file.ReadValue("G", "k", write("f.ini", longValue)), QString(254, u'x'));
}

TEST_F(Dialect, WriteGivesFile) {
    ASSERT_EQ(cases("write").size(), 15u);
    for (const auto& c : cases("write")) {
        const QString name = QString::fromLatin1(c[0]);
        const QString file = c[1] != "-" ? write(name, c[1]) : path(name);
        const QString section = QString::fromLatin1(c[2]), key = QString::fromLatin1(c[3]);
        if (c[5] == "quoted") {
            m_file.WriteQuotedValue(section, key, QString::fromLatin1(c[4]), file);
        } else {
            m_file.WriteValue(section, key, QString::fromLatin1(c[4]), file);
        }
        EXPECT_EQ(read(file), c[6]) << c[0].constData();
    }
}

} // namespace
} // namespace halvex
