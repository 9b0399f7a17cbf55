// Reading the capture defaults from a settings file as the host writes it or a technician edits it.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CaptureDefaults.h"
#include "ProfileReader.h"

using quorvin::CaptureDefaults;
using quorvin::ImageFormat;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray& content) {
        QFile file(m_folder.filePath(QStringLiteral("default.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return file.fileName();
    }
    QString native(const QString& name) const {
        return QDir::toNativeSeparators(QDir::cleanPath(m_folder.filePath(name)));
    }
    QTemporaryDir m_folder;
};

TEST_F(SettingsFileTest, ReaderFollowsThePrivateProfileDialect) {
    const quorvin::ProfileReader reader(
        write("[Other]\r\nKey=other\r\n  [captureSCREENparameter] \r\n"
              "  Key  =  \"  quoted  \"  \r\nEquals=a=b\r\n"
              "Bare = plain value \r\nHalf=\"open\r\nLong=" +
              QByteArray(300, 'x') + "\r\n[Next]\r\nLater=1\r\n"));
    const struct {
        const char* section;
        const char* key;
        QString expected;
    } cases[] = {
        {"CaptureScreenParameter", "KEY", QStringLiteral("  quoted  ")},
        {"other", "key", QStringLiteral("other")},
        {"CaptureScreenParameter", "Equals", QStringLiteral("a=b")},
        {"CaptureScreenParameter", "bare", QStringLiteral("plain value")},
        {"CaptureScreenParameter", "Half", QStringLiteral("\"open")},
        {"CaptureScreenParameter", "Long", QString(quorvin::ProfileReader::MaxValueLength, u'x')},
        {"CaptureScreenParameter", "Later", QString()},
        {"NoSuchSection", "Key", QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reader.value(QString::fromLatin1(c.section), QString::fromLatin1(c.key)),
                  c.expected)
            << c.section << "/" << c.key;
    }
}

TEST_F(SettingsFileTest, DefaultsComeFromTheCaptureSectionOrFallBackWithANote) {
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("shots")));
    const QString here = native(QStringLiteral(".")), shots = native(QStringLiteral("shots"));
    const struct {
        QByteArray keys;
        QString folder;
        const char* prefix;
        ImageFormat format;
        const char* note; // empty: no note expected
    } cases[] = {
        {"autosavelocation=\"" + shots.toUtf8() +
             "\"\nAutosavePrefix=\" Cell\"\n"
             "SNAPSHOTDEFAULTFORMAT=2",
         shots, " Cell", ImageFormat::Bmp, ""},
        {"AutosaveLocation=shots\nSnapshotDefaultFormat=x", shots, "", ImageFormat::Jpeg, ""},
        {"AutosaveLocation=\"C:\\Capture\"\nAutosavePrefix=IMG", here, "IMG", ImageFormat::Jpeg,
         "\"C:\\Capture\" does not exist"},
        {"SnapshotDefaultFormat=7", here, "", ImageFormat::Jpeg, "No autosave folder"},
    };
    for (const auto& c : cases) {
        const CaptureDefaults d =
            CaptureDefaults::read(write("[CaptureScreenParameter]\n" + c.keys));
        EXPECT_EQ(d.folder, c.folder) << c.keys.constData();
        EXPECT_EQ(d.prefix, QString::fromLatin1(c.prefix));
        EXPECT_EQ(d.format, c.format);
        EXPECT_TRUE(d.notes.join(u' ').contains(QString::fromLatin1(c.note))) << c.note;
        EXPECT_EQ(d.notes.isEmpty(), *c.note == '\0');
    }
    const CaptureDefaults missing = CaptureDefaults::read(native(QStringLiteral("gone.ini")));
    EXPECT_EQ(missing.folder, here);
    EXPECT_TRUE(missing.notes.join(u' ').contains(QStringLiteral("could not be read")));

    // TIFF needs Qt's TIFF writer, which not every installation has.
    const CaptureDefaults tiff =
        CaptureDefaults::read(write("[CaptureScreenParameter]\nSnapshotDefaultFormat=1"));
    const bool tiffWritable = quorvin::isWritable(ImageFormat::Tiff);
    EXPECT_EQ(tiff.format, tiffWritable ? ImageFormat::Tiff : ImageFormat::Bmp);
    EXPECT_EQ(tiff.notes.join(u' ').contains(QStringLiteral("TIFF files cannot")), !tiffWritable);
}

} // namespace
