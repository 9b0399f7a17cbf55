// The save sequence: backup and message 2, Save, then message 4 or the "Error" box.
#include "SettingsTestFiles.h"

#include "framework/ScriptedDialogService.h"
#include "settings/SaveSequence.h"
#include "settings/SettingsStore.h"

namespace halvex {
namespace {

class SaveSequenceTest : public SettingsFileFixture {
protected:
    void SetUp() override {
        setDialogService(&m_dialogs);
        m_file.Load(HALVEX_DEFAULT_INI);
    }
    void TearDown() override {
        setDialogService(nullptr);
        SettingsFileFixture::TearDown();
    }

    ScriptedDialogService m_dialogs;
};

TEST_F(SaveSequenceTest, NewFileGetsOnlyMessage4ExistingFileIsBackedUpFirst) {
    EXPECT_TRUE(SaveSettingsWithBackup(path("s.ini"), nullptr));
    EXPECT_EQ(m_dialogs.messageTexts(),
              QStringList{QStringLiteral("The file was successfully saved.")});
    EXPECT_FALSE(QFile::exists(path("s.bak")));

    const QByteArray old = "; old\r\n[Version]\r\nVersion=\"1.0\"\r\n";
    m_dialogs.messages.clear();
    EXPECT_TRUE(SaveSettingsWithBackup(write("s.ini", old), nullptr));
    EXPECT_EQ(m_dialogs.messageTexts(),
              (QStringList{QStringLiteral("A backup of the old ini file was created."),
                           QStringLiteral("The file was successfully saved.")}));
    for (const MessageRequest& message : m_dialogs.messages) {
        EXPECT_EQ(message.icon, MessageIcon::Information);
    }
    EXPECT_EQ(read(path("s.bak")), old);
    EXPECT_TRUE(read(path("s.ini")).startsWith("; old\r\n[Version]\r\nVersion=\"2.2.1\"\r\n"));
}

TEST_F(SaveSequenceTest, RefusalPartWayShowsTheFailureTextInAnErrorBox) {
    const QByteArray old = "[Version]\r\nVersion=\"1.0\"\r\n";
    SettingsFile::SetWriteRefusal(
        [](const QString&, const QString& section, const QString&) { return section == "Gamma"; });
    EXPECT_FALSE(SaveSettingsWithBackup(write("old.ini", old), nullptr));
    ASSERT_EQ(m_dialogs.messages.size(), 2u);
    const MessageRequest& error = m_dialogs.messages.at(1);
    EXPECT_EQ(error.text, "Save ini file command failed.");
    EXPECT_EQ(error.caption, "Error");
    EXPECT_EQ(error.icon, MessageIcon::Stop);
    EXPECT_EQ(error.buttons, MessageButtons::Ok);
    EXPECT_TRUE(read(path("old.ini")).endsWith("[WhiteBalance]\r\nBlue=8c\r\nRed=30\r\n"));
}

TEST_F(SaveSequenceTest, ReadOnlyFileIsBackedUpButNotReplaced) {
    const QByteArray old = "[Version]\r\nVersion=\"1.0\"\r\n";
    const QString file = write("locked.ini", old);
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    EXPECT_FALSE(SaveSettingsWithBackup(file, nullptr));
    EXPECT_EQ(m_dialogs.messageTexts(), (QStringList{"A backup of the old ini file was created.",
                                                     "Save ini file command failed."}));
    EXPECT_EQ(m_dialogs.messages.at(1).caption, "Error");
    EXPECT_EQ(read(file), old);
    EXPECT_EQ(read(path("locked.bak")), old);
}

} // namespace
} // namespace halvex
