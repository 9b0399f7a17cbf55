// The capture defaults a series starts from, as the host's settings file gives them.
#include "CaptureDefaults.h"

#include <QDir>
#include <QFileInfo>

#include "ProfileReader.h"

namespace quorvin {

namespace {

constexpr QStringView Section = u"CaptureScreenParameter";

// A relative folder counts from the settings file's folder.
QString resolveFolder(const QString& folder, const QDir& base) {
    return QDir::cleanPath(base.absoluteFilePath(folder));
}

} // namespace

CaptureDefaults CaptureDefaults::read(const QString& iniPath) {
    CaptureDefaults defaults;
    const ProfileReader reader(iniPath);
    const QFileInfo iniInfo(iniPath);
    const QDir iniFolder = iniInfo.absoluteDir();
    if (!reader.isReadable()) {
        defaults.notes << QStringLiteral("The settings file \"%1\" could not be read; built-in "
                                         "defaults are used.")
                              .arg(iniPath);
    }

    const QString location = reader.value(Section, u"AutosaveLocation");
    defaults.folder = QDir::toNativeSeparators(iniFolder.absolutePath());
    if (location.isEmpty()) {
        if (reader.isReadable()) {
            defaults.notes << QStringLiteral("No autosave folder is set; images go to the settings "
                                             "file's folder.");
        }
    } else if (QFileInfo(resolveFolder(location, iniFolder)).isDir()) {
        defaults.folder = QDir::toNativeSeparators(resolveFolder(location, iniFolder));
    } else {
        // Also where a Windows folder (C:\...) lands on any other system.
        defaults.notes << QStringLiteral(
                              "The autosave folder \"%1\" does not exist here; images go "
                              "to the settings file's folder.")
                              .arg(location);
    }

    defaults.prefix = reader.value(Section, u"AutosavePrefix");

    const ImageFormat wanted = formatFromIndexText(reader.value(Section, u"SnapshotDefaultFormat"));
    defaults.format = wanted;
    if (!isWritable(wanted)) {
        defaults.format = ImageFormat::Bmp;
        defaults.notes << QStringLiteral("%1 files cannot be written on this system; %2 is used "
                                         "instead.")
                              .arg(QString::fromLatin1(formatInfo(wanted).label),
                                   QString::fromLatin1(formatInfo(ImageFormat::Bmp).label));
    }
    return defaults;
}

} // namespace quorvin
