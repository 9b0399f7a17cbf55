// Reading the capture defaults from a settings file as the host writes it or a technician edits
// it, in the private-profile dialect.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CaptureDefaults.h"
#include "FileBytes.h"
#include "ProfileReader.h"

using quorvin::ImageFormat;

namespace {

TEST(CaptureDefaults, ComeFromTheCaptureSectionOrFallBackWithANote) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("shots")));
    const auto native = [&](const char* name) {
        return QDir::toNativeSeparators(QDir::cleanPath(dir.filePath(QLatin1String(name))));
    };
    const QString here = native("."), shots = native("shots");
    const QByteArray section = "[CaptureScreenParameter]\n";
    const bool tiff = quorvin::isWritable(ImageFormat::Tiff); // not every Qt has its writer
    const struct {
        QByteArray content;
        QString folder, prefix;
        ImageFormat format;
        QString note; // empty: no note
    } cases[] = {
        {"[Other]\r\nAutosavePrefix=other\r\n  [captureSCREENparameter] \r\n  AUTOSAVEPREFIX  =  "
         "\"  quoted  \"  \r\nautosavelocation=\"" +
             shots.toUtf8() + "\"\r\nSNAPSHOTDEFAULTFORMAT=2\r\n[Next]\r\nAutosavePrefix=later\r\n",
         shots, "  quoted  ", ImageFormat::Bmp, ""},
        {section + "AutosaveLocation=shots\nAutosavePrefix=a=b\nSnapshotDefaultFormat=x", shots,
         "a=b", ImageFormat::Jpeg, ""},
        {section + "AutosaveLocation=\"C:\\Capture\"\nAutosavePrefix = plain value ", here,
         "plain value", ImageFormat::Jpeg, "\"C:\\Capture\" does not exist"},
        {section + "AutosavePrefix=\"open\nSnapshotDefaultFormat=7", here, "\"open",
         ImageFormat::Jpeg, "No autosave folder"},
        {section + "AutosaveLocation=shots\nAutosavePrefix=" + QByteArray(300, 'x'), shots,
         QString(quorvin::ProfileReader::MaxValueLength, u'x'), ImageFormat::Jpeg, ""},
        {section + "AutosaveLocation=shots\nSnapshotDefaultFormat=1", shots, "",
         tiff ? ImageFormat::Tiff : ImageFormat::Bmp, tiff ? "" : "TIFF files cannot"}};
    const QString ini = dir.filePath(QStringLiteral("default.ini"));
    for (const auto& c : cases) {
        halvex::test::writeFile(ini, c.content);
        const quorvin::CaptureDefaults d = quorvin::CaptureDefaults::read(ini);
        EXPECT_EQ(d.folder, c.folder) << c.content.constData();
        EXPECT_EQ(d.prefix, c.prefix) << c.content.constData();
        EXPECT_EQ(d.format, c.format) << c.content.constData();
        EXPECT_TRUE(d.notes.join(u' ').contains(c.note)) << c.note.toStdString();
        EXPECT_EQ(d.notes.isEmpty(), c.note.isEmpty());
    }
    const quorvin::CaptureDefaults missing = quorvin::CaptureDefaults::read(native("gone.ini"));
    EXPECT_EQ(missing.folder, here);
    EXPECT_TRUE(missing.notes.join(u' ').contains(QStringLiteral("could not be read")));
}

} // namespace
