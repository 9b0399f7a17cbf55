// The main window's start-up with what the command line chose: --settings with a good, a garbled,
// a missing or an unreadable file, and another application directory.
#include "AppTestEnvironment.h"
#include "app/CameraDataDialog.h"
#include "app/CommandLine.h"
#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>

namespace halvex::test {
namespace {

class StartupOptionsTest : public AppTest {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = workPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // Starts the main window as main() does with these arguments (application directory: the
    // working folder unless they name another).
    std::unique_ptr<CameraDataDialog> startWith(QStringList arguments) {
        arguments.prepend(QStringLiteral("halvex"));
        diagnostics.clear();
        const std::optional<StartupOptions> options = CommandLine(arguments).startupOptions(
            {workDir(), workPath(QStringLiteral("share")), factoryIniPath()}, diagnostics);
        EXPECT_TRUE(options);
        auto window = std::make_unique<CameraDataDialog>(options.value_or(StartupOptions{}));
        EXPECT_TRUE(window->initialize());
        window->show();
        return window;
    }
    // The factory file with one line changed.
    static QByteArray factoryWith(const char* line, const char* replacement) {
        QFile file(factoryIniPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().replace(line, replacement);
    }
    static QString frameSpeed() { return settingsStore().value(u"FrameSpeed", u"FrameSpeed"); }

    QString diagnostics;
};

TEST_F(StartupOptionsTest, AGoodFileIsLoadedWithoutAskingAndOnlyAtStartUp) {
    const QString site =
        write(QStringLiteral("site.ini"), factoryWith("FrameSpeed=30", "FrameSpeed=15"));

    auto window = startWith({QStringLiteral("--settings"), site});
    EXPECT_FALSE(window->hasEnded());
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(frameSpeed(), QStringLiteral("15"));
    EXPECT_EQ(CurrentIniPath, site);
    EXPECT_EQ(window->m_strIniPath, site);
    EXPECT_EQ(window->m_strIniFileName, QStringLiteral("site.ini"));
    EXPECT_EQ(ApplicationDirectory, workDir());

    // File > Load asks as always, opening in the application directory.
    window->menu()->choose(MenuId::FileLoad);
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].title, QStringLiteral("Load Ini File"));
    EXPECT_EQ(dialogs.fileDialogs[0].initialDirectory, workDir());
    EXPECT_EQ(dialogs.fileDialogs[0].initialName, QStringLiteral("site.ini"));
    EXPECT_EQ(CurrentIniPath, site); // cancelled: nothing changes
}

TEST_F(StartupOptionsTest, AGarbledFileIsLoadedAsTheLoadDialogWouldLoadIt) {
    const QString garbled = write(QStringLiteral("garbled.ini"),
                                  QByteArray("\x00\xff\x13 not a settings file\r\n[Frame\r\n", 33) +
                                      "[FrameSpeed]\r\nFrameSpeed=12\r\n\x7f\x01=\r\n");
    auto window = startWith({QStringLiteral("--settings"), garbled});
    EXPECT_FALSE(window->hasEnded());
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_EQ(CurrentIniPath, garbled);
    EXPECT_EQ(frameSpeed(), QStringLiteral("12"));
    EXPECT_EQ(settingsStore().value(u"Version", u"Version"), QString());
    // The file itself is only read.
    QFile file(garbled);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith("\x7f\x01=\r\n"));
}

TEST_F(StartupOptionsTest, AFileThatCannotBeReadLeavesTheChoiceToTheLoadDialog) {
    QDir(workDir()).mkdir(QStringLiteral("folder.ini"));
    for (const QString& name : {QStringLiteral("missing.ini"), QStringLiteral("folder.ini")}) {
        dialogs.fileDialogs.clear();
        dialogs.fileAnswers = {workPath(QStringLiteral("default.ini"))};
        auto window = startWith({QStringLiteral("--settings"), workPath(name)});
        EXPECT_FALSE(diagnostics.isEmpty());
        EXPECT_FALSE(window->hasEnded());
        ASSERT_EQ(dialogs.fileDialogs.size(), 1u) << name.toStdString();
        EXPECT_EQ(dialogs.fileDialogs[0].title, QStringLiteral("Load Ini File"));
        EXPECT_EQ(dialogs.fileDialogs[0].initialName, QStringLiteral("default.ini"));
        EXPECT_EQ(CurrentIniPath, workPath(QStringLiteral("default.ini")));
        EXPECT_EQ(frameSpeed(), QStringLiteral("30"));
        window->menu()->choose(MenuId::FileExit);
    }
}

TEST_F(StartupOptionsTest, TheChosenFolderIsTheApplicationDirectoryThroughout) {
    const QString shop = workPath(QStringLiteral("shop"));
    ASSERT_TRUE(QDir().mkpath(shop));
    write(QStringLiteral("shop/default.ini"), factoryWith("FrameSpeed=30", "FrameSpeed=7"));
    dialogs.fileAnswers = {std::nullopt};
    dialogs.messageAnswers = {MessageResult::No};
    dialogs.fileAnswers.push_back(shop + QStringLiteral("/default.ini"));
    auto window = startWith({QStringLiteral("--appdir"), shop});
    EXPECT_EQ(ApplicationDirectory, shop);
    ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
    EXPECT_EQ(dialogs.fileDialogs[0].initialDirectory, shop);
    EXPECT_EQ(dialogs.fileDialogs[1].initialDirectory, shop);

    // File > New reloads the default.ini of the chosen folder, not of the current directory.
    settingsStore().setValue(u"FrameSpeed", u"FrameSpeed", QStringLiteral("12"));
    window->menu()->choose(MenuId::FileNew);
    EXPECT_EQ(frameSpeed(), QStringLiteral("7"));
    EXPECT_EQ(CurrentIniPath, shop + QStringLiteral("/default.ini"));
}

} // namespace
} // namespace halvex::test
