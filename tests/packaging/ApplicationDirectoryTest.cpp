// Choice of the application directory: --appdir, HALVEX_APPDIR, or the technician's own folder
// under the XDG data home, created and seeded once with the factory default.ini.
#include "FileBytes.h"
#include "app/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace halvex {
namespace {

const QString kFactoryIni = QStringLiteral(HALVEX_SOURCE_DIR "/data/default.ini");

class ApplicationDirectoryTest : public ::testing::Test {
protected:
    std::optional<StartupOptions> start(QStringList arguments, const QString& variable = {}) {
        arguments.prepend(QStringLiteral("halvex"));
        diagnostics.clear();
        return CommandLine(arguments).startupOptions({variable, dataHome(), factory}, diagnostics);
    }
    QString dataHome() const { return m_root.filePath(QStringLiteral("share")); }
    QString userFolder() const { return dataHome() + QStringLiteral("/halvex"); }
    QString make(const QString& name) const {
        const QString path = m_root.filePath(name);
        QDir().mkpath(path);
        return path;
    }

    QTemporaryDir m_root;
    QString factory = kFactoryIni;
    QString diagnostics;
};

TEST_F(ApplicationDirectoryTest, OptionThenVariableChooseAnExistingFolderAsItStands) {
    const QString option = make(QStringLiteral("bench"));
    const QString variable = make(QStringLiteral("shop"));
    const std::tuple<QStringList, QString, QString> cases[] = {
        {{QStringLiteral("--appdir"), option}, variable, option}, {{}, variable, variable}};
    for (const auto& [arguments, variableValue, chosen] : cases) {
        const std::optional<StartupOptions> options = start(arguments, variableValue);
        ASSERT_TRUE(options);
        EXPECT_EQ(options->applicationDirectory, chosen);
        EXPECT_TRUE(options->settingsFile.isEmpty());
        EXPECT_TRUE(diagnostics.isEmpty()) << diagnostics.toStdString();
    }
    // A chosen folder is never seeded, nor is the per-user folder made.
    EXPECT_FALSE(QFile::exists(option + QStringLiteral("/default.ini")));
    EXPECT_FALSE(QFile::exists(variable + QStringLiteral("/default.ini")));
    EXPECT_FALSE(QDir(userFolder()).exists());
}

TEST_F(ApplicationDirectoryTest, AMissingChosenFolderEndsTheStart) {
    const QString missing = m_root.filePath(QStringLiteral("nowhere"));
    EXPECT_FALSE(start({QStringLiteral("--appdir"), missing}));
    EXPECT_EQ(diagnostics,
              QStringLiteral("halvex: the application directory %1 does not exist\n").arg(missing));
    EXPECT_FALSE(start({}, missing));
    EXPECT_FALSE(QDir(missing).exists());
}

TEST_F(ApplicationDirectoryTest, FirstStartSeedsTheUserFolderOnceWithAWritableCopy) {
    // The installed factory file is read-only.
    const QString installed = m_root.filePath(QStringLiteral("factory.ini"));
    ASSERT_TRUE(QFile::copy(kFactoryIni, installed));
    ASSERT_TRUE(
        QFile::setPermissions(installed, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    factory = installed;

    std::optional<StartupOptions> options = start({});
    ASSERT_TRUE(options);
    EXPECT_EQ(options->applicationDirectory, userFolder());
    EXPECT_TRUE(diagnostics.isEmpty()) << diagnostics.toStdString();
    const QString seeded = userFolder() + QStringLiteral("/default.ini");
    EXPECT_EQ(test::fileBytes(seeded), test::fileBytes(kFactoryIni));
    const QFile::Permissions ownerGroupOther(0x7077);
    EXPECT_EQ(QFile::permissions(seeded) & ownerGroupOther,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    // The technician's edits survive every later start.
    test::writeFile(seeded, "[FrameSpeed]\r\nFrameSpeed=15\r\n");
    options = start({});
    ASSERT_TRUE(options);
    EXPECT_EQ(test::fileBytes(seeded), QByteArray("[FrameSpeed]\r\nFrameSpeed=15\r\n"));

    // Seeded once: a default.ini the technician removed is not brought back.
    ASSERT_TRUE(QFile::remove(seeded));
    options = start({});
    ASSERT_TRUE(options);
    EXPECT_FALSE(QFile::exists(seeded));
}

TEST_F(ApplicationDirectoryTest, UserFolderProblemsAreReported) {
    factory = m_root.filePath(QStringLiteral("not-installed.ini"));
    std::optional<StartupOptions> options = start({});
    ASSERT_TRUE(options);
    EXPECT_TRUE(QDir(userFolder()).isEmpty());
    EXPECT_EQ(diagnostics, QStringLiteral("halvex: the factory settings file %1 could not be "
                                          "copied into %2\n")
                               .arg(factory, userFolder()));

    // A data home that is a file cannot hold the folder.
    QDir(userFolder()).removeRecursively();
    QDir(dataHome()).removeRecursively();
    QFile blocker(dataHome());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(start({}));
    EXPECT_EQ(diagnostics,
              QStringLiteral("halvex: cannot create the folder %1\n").arg(userFolder()));
}

TEST_F(ApplicationDirectoryTest, ASettingsFileThatCannotBeReadIsLeftToTheLoadDialog) {
    const QString folder = make(QStringLiteral("bench"));
    const QString good = folder + QStringLiteral("/good.ini");
    ASSERT_TRUE(QFile::copy(kFactoryIni, good));
    const QString missing = folder + QStringLiteral("/missing.ini");
    const QString directory = make(QStringLiteral("bench/folder.ini"));
    for (const QString& file : {good, missing, directory}) {
        const std::optional<StartupOptions> options =
            start({QStringLiteral("--appdir"), folder, QStringLiteral("--settings"), file});
        ASSERT_TRUE(options);
        EXPECT_EQ(options->settingsFile, file == good ? good : QString());
        EXPECT_EQ(diagnostics, file == good ? QString()
                                            : QStringLiteral("halvex: cannot read the settings "
                                                             "file %1; choose one in the \"Load "
                                                             "Ini File\" dialog\n")
                                                  .arg(file));
    }
}

} // namespace
} // namespace halvex
