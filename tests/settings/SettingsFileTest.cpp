// Load and Save of whole files, refusals part-way, backups and hostile files.
#include "SettingsTestFiles.h"

#include "settings/FilePaths.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWriteError.h"

#include <QRandomGenerator>
#include <vector>

namespace halvex {
namespace {

std::vector<QString> storeValues() {
    std::vector<QString> values;
    for (int index = 0; index < SettingsStore::Count; ++index) {
        values.push_back(settingsStore().at(index));
    }
    return values;
}

QByteArray randomBytes(qsizetype size, quint32 seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    for (char& byte : bytes) {
        byte = static_cast<char>(generator.bounded(256));
    }
    return bytes;
}

class SettingsFileTest : public SettingsFileFixture {
protected:
    void SetUp() override {
        m_default = read(HALVEX_DEFAULT_INI);
        settingsStore().clear();
        m_file.Load(HALVEX_DEFAULT_INI);
        m_defaultValues = storeValues();
    }

    QByteArray m_default;
    std::vector<QString> m_defaultValues;
};

TEST_F(SettingsFileTest, DefaultIniHoldsEveryKeyAndSaveRebuildsItFromNothing) {
    for (int index = 0; index < SettingsStore::Count; ++index) {
        EXPECT_FALSE(m_defaultValues[index].isEmpty()) << index;
    }
    EXPECT_EQ(settingsStore().value(u"Gamma2", u"Gamma3"), "62,FE,80");
    EXPECT_EQ(settingsStore().value(u"CaptureScreenParameter", u"AutosaveLocation"),
              "C:\\Corvane\\Images");
    m_file.Save(path("new.ini"));
    EXPECT_EQ(read(path("new.ini")), m_default);
}

TEST_F(SettingsFileTest, LoadThenSaveKeepsEverythingForeignByteForByte) {
    QByteArray edited = "\xEF\xBB\xBF; kept by the technician\n[Foreign]\nx = 1\n\n" + m_default;
    edited.replace("\r\n", "\n");
    edited.replace("[WhiteBalance]\nBlue=8c\nRed=30", "[ whitebalance ]\nBLUE=8c\n\tRed = 30 ");
    edited.replace("Scale=ON\nAuto", "Scale=ON\nUnknown=5\n;note\nAuto");
    edited.replace("[Gamma2]\nGamma1=64,01,01\n", "[Gamma2]\n");
    edited.append("[Foreign]\ny=2");
    const QString file = write("edited.ini", edited);

    m_file.Load(file);
    std::vector<QString> expected = m_defaultValues;
    expected[SettingsStore::indexOf(u"Gamma2", u"Gamma1")].clear();
    EXPECT_EQ(storeValues(), expected);

    settingsStore().setValue(u"Gamma2", u"Gamma1", "64,01,00");
    m_file.Save(file);
    QByteArray saved = edited;
    saved.replace("\tRed = 30 ", "Red=30");
    saved.replace("Gamma3=62,FE,80\n", "Gamma3=62,FE,80\nGamma1=64,01,00\n");
    EXPECT_EQ(read(file), saved);
}

TEST_F(SettingsFileTest, BlanksSurviveOnlyInsideQuotesAndMissingSectionsComeBack) {
    QByteArray noApplication = m_default;
    noApplication.replace("[Application]\r\nFontName=\"Arial\"\r\nRivesPos=0\r\nCharSet=0\r\n"
                          "Machine=1\r\nFolderSize=100\r\n",
                          "");
    m_file.Load(write("a.ini", noApplication));
    EXPECT_EQ(settingsStore().value(u"Application", u"FontName"), "");
    settingsStore().setValue(u"Version", u"Version", "  v 2  ");
    settingsStore().setValue(u"WhiteBalance", u"Blue", " 8c ");
    m_file.Save(path("a.ini"));
    EXPECT_TRUE(read(path("a.ini"))
                    .endsWith("[Application]\r\nFontName=\"\"\r\nRivesPos=\r\nCharSet=\r\nMachine="
                              "\r\nFolderSize=\r\n"));
    m_file.Load(path("a.ini"));
    EXPECT_EQ(settingsStore().value(u"Version", u"Version"), "  v 2  ");
    EXPECT_EQ(settingsStore().value(u"WhiteBalance", u"Blue"), "8c");
}

TEST_F(SettingsFileTest, RefusedBareKeyStopsSaveRefusedQuotedKeyIsSkipped) {
    const int refusedAt = SettingsStore::indexOf(u"WhiteBalance", u"Red");
    SettingsFile::SetWriteRefusal([](const QString&, const QString& section, const QString& key) {
        return (section == "WhiteBalance" && key == "Red") || key == "AutosavePrefix";
    });
    EXPECT_THROW(m_file.Save(path("part.ini")), SettingsWriteError);
    SettingsFile::SetWriteRefusal({});
    m_file.Load(path("part.ini"));
    const std::vector<QString> landed = storeValues();
    for (int index = 0; index < SettingsStore::Count; ++index) {
        const bool expectLanded =
            index < refusedAt && settingsKeys()[index].key != QLatin1StringView("AutosavePrefix");
        EXPECT_EQ(landed[index], expectLanded ? m_defaultValues[index] : QString()) << index;
    }
}

TEST_F(SettingsFileTest, UnwritablePathsRefuseSaveAndCreateNothing) {
    const QByteArray before = read(write("old.ini", "[A]\r\na=1\r\n"));
    for (const QString& target : {path("missing/x.ini"), path(".")}) {
        EXPECT_THROW(m_file.Save(target), SettingsWriteError);
    }
    SettingsFile::SetWriteRefusal(
        [](const QString&, const QString&, const QString& key) { return key == "UserMakeFolder"; });
    EXPECT_THROW(m_file.Save(path("old.ini")), SettingsWriteError);
    EXPECT_EQ(read(path("old.ini")), "[A]\r\na=1\r\n[Version]\r\nVersion=\"2.2.1\"\r\n");
    EXPECT_FALSE(QFile::exists(path("missing")));
}

TEST_F(SettingsFileTest, BackupIsAWholeCopyUnderTheNameEndingInBak) {
    const struct {
        QString name;
        QString backup;
        QByteArray content;
    } cases[] = {
        {"default.ini", "default.bak", m_default},
        {"a.in", "abak", "x"},
        {"large.ini", "large.bak", randomBytes(3 * 1024 * 1024 + 17, 7)},
    };
    write("default.bak", "older backup");
    for (const auto& c : cases) {
        EXPECT_EQ(BackupPath(path(c.name)), path(c.backup));
        m_file.CreateBackup(write(c.name, c.content));
        EXPECT_EQ(read(path(c.backup)), c.content) << c.name.toStdString();
    }
    m_file.CreateBackup(path("none.ini"));
    EXPECT_FALSE(QFile::exists(path("none.bak")));
}

TEST_F(SettingsFileTest, HostileFilesLoadWithEmptyOrCutValuesAndStillSave) {
    const struct {
        const char* name;
        QByteArray content;
        QString version;
    } cases[] = {
        {"random", randomBytes(1024 * 1024, 3), ""},
        {"single10MbLine", "[Version]\nVersion=" + QByteArray(10 * 1024 * 1024, 'v'),
         QString(254, u'v')},
        {"nulBytes", QByteArray(4096, '\0') + bytes("\n[Version]\0]\nVersion=\0x\n"sv), ""},
        {"noSections", "Version=1\nBlue=8c\n", ""},
        {"onlyBrackets", QByteArray(100000, '['), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = write(QString::fromLatin1(c.name), c.content);
        m_file.Load(file);
        EXPECT_EQ(settingsStore().value(u"Version", u"Version"), c.version);
        for (const QString& value : storeValues()) {
            EXPECT_LE(value.size(), 254);
        }
        for (int index = 0; index < SettingsStore::Count; ++index) {
            settingsStore().setAt(index, m_defaultValues[index]);
        }
        m_file.Save(file);
        m_file.Load(file);
        EXPECT_EQ(storeValues(), m_defaultValues);
    }
}

} // namespace
} // namespace halvex
