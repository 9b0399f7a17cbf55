// Save of a whole file from nothing, refusals part-way and backups.
#include "SettingsTestFiles.h"

#include "settings/FilePaths.h"
#include "settings/SettingsWriteError.h"

namespace halvex {
namespace {

class SettingsFileTest : public SettingsFileFixture {
protected:
    void SetUp() override { m_file.Load(HALVEX_DEFAULT_INI); }

    const QByteArray m_default = read(HALVEX_DEFAULT_INI);
};

TEST_F(SettingsFileTest, SaveRebuildsTheDefaultIniFromNothing) {
    m_file.Save(path("new.ini"));
    EXPECT_EQ(read(path("new.ini")), m_default);
}

TEST_F(SettingsFileTest, FileWithoutWritePermissionIsRefusedEvenToRoot) {
    const QByteArray old = "[A]\r\na=1\r\n";
    const QFileDevice::Permissions readOnly =
        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    // Only the owner's bit counts for the owner, as for any ordinary user.
    for (const auto& [name, permissions, refused] :
         {std::tuple{"readOnly", readOnly, true},
          {"othersMayWrite", readOnly | QFileDevice::WriteGroup | QFileDevice::WriteOther, true},
          {"ownerMayWrite", readOnly | QFileDevice::WriteOwner, false}}) {
        SCOPED_TRACE(name);
        const QString file = write(QString::fromLatin1(name) + ".ini", old);
        ASSERT_TRUE(QFile::setPermissions(file, permissions));
        if (refused) {
            EXPECT_THROW(m_file.WriteValue("A", "a", "2", file), SettingsWriteError);
            EXPECT_NO_THROW(m_file.WriteQuotedValue("A", "b", "2", file));
            EXPECT_THROW(m_file.Save(file), SettingsWriteError);
            EXPECT_EQ(read(file), old);
        } else {
            m_file.WriteValue("A", "a", "2", file);
            EXPECT_EQ(read(file), "[A]\r\na=2\r\n");
        }
        // The file keeps its permission bits (the process's own rights left aside).
        EXPECT_EQ(QFile::permissions(file) & ~QFileDevice::Permissions(0x0700), permissions);
    }

    // A backup made read-only stays as it was, and nothing is reported.
    const QString backup = write("kept.bak", "old backup");
    ASSERT_TRUE(QFile::setPermissions(backup, readOnly));
    m_file.CreateBackup(write("kept.ini", old));
    EXPECT_EQ(read(backup), "old backup");
}

TEST_F(SettingsFileTest, RefusedBareKeyStopsSaveRefusedQuotedKeyIsSkipped) {
    for (const QString& unwritable : {path("missing/x.ini"), path(".")}) {
        EXPECT_THROW(m_file.WriteValue("A", "a", "2", unwritable), SettingsWriteError);
        EXPECT_NO_THROW(m_file.WriteQuotedValue("A", "a", "2", unwritable));
        EXPECT_THROW(m_file.Save(unwritable), SettingsWriteError);
    }
    EXPECT_FALSE(QFile::exists(path("missing")));

    SettingsFile::SetWriteRefusal([](const QString&, const QString& section, const QString& key) {
        return (section == "WhiteBalance" && key == "Red") || key == "AutosavePrefix";
    });
    EXPECT_THROW(m_file.Save(path("part.ini")), SettingsWriteError);
    QByteArray landed = m_default.left(m_default.indexOf("Red=30\r\n"));
    EXPECT_EQ(read(path("part.ini")), landed.replace("AutosavePrefix=\"IMG\"\r\n", ""));
}

TEST_F(SettingsFileTest, BackupIsAWholeCopyUnderTheNameEndingInBak) {
    write("default.bak", "older backup");
    for (const auto& [name, backup, content] :
         {std::tuple{"default.ini", "default.bak", m_default},
          {"a.in", "abak", QByteArray("x")},
          {"large.ini", "large.bak", randomBytes(3 * 1024 * 1024 + 17, 7)}}) {
        EXPECT_EQ(BackupPath(path(name)), path(backup));
        m_file.CreateBackup(write(name, content));
        EXPECT_EQ(read(path(backup)), content) << name;
    }
    m_file.CreateBackup(path("none.ini"));
    EXPECT_FALSE(QFile::exists(path("none.bak")));
}

} // namespace
} // namespace halvex
