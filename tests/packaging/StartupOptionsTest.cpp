// The main window's start-up with what the command line chose: --settings with a good file, and
// another application directory. A file that cannot be read is the command line's own part.
#include "AppTestEnvironment.h"
#include "FileBytes.h"
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
    // Writes the factory file with its frame speed changed.
    QString writeFactoryWithFrameSpeed(const QString& name, const char* speed) {
        writeFile(workPath(name), fileBytes(factoryIniPath())
                                      .replace("FrameSpeed=30", QByteArray("FrameSpeed=") + speed));
        return workPath(name);
    }
    // Starts the main window as main() does with these arguments (application directory: the
    // working folder unless they name another).
    std::unique_ptr<CameraDataDialog> startWith(QStringList arguments) {
        arguments.prepend(QStringLiteral("halvex"));
        QString diagnostics;
        const std::optional<StartupOptions> options = CommandLine(arguments).startupOptions(
            {workDir(), workPath(QStringLiteral("share")), factoryIniPath()}, diagnostics);
        EXPECT_TRUE(options);
        auto window = std::make_unique<CameraDataDialog>(options.value_or(StartupOptions{}));
        EXPECT_TRUE(window->initialize());
        window->show();
        return window;
    }
    static QString frameSpeed() { return settingsStore().value(u"FrameSpeed", u"FrameSpeed"); }
};

TEST_F(StartupOptionsTest, AGoodFileIsLoadedWithoutAskingAndOnlyAtStartUp) {
    const QString site = writeFactoryWithFrameSpeed(QStringLiteral("site.ini"), "15");
    auto window = startWith({QStringLiteral("--settings"), site});
    EXPECT_FALSE(window->hasEnded());
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(frameSpeed(), QStringLiteral("15"));
    EXPECT_EQ(CurrentIniPath, site);
    EXPECT_EQ(window->m_strIniFileName, QStringLiteral("site.ini"));

    // File > Load asks as always, opening in the application directory.
    window->menu()->choose(MenuId::FileLoad);
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].initialDirectory, workDir());
    EXPECT_EQ(dialogs.fileDialogs[0].initialName, QStringLiteral("site.ini"));
    EXPECT_EQ(CurrentIniPath, site); // cancelled: nothing changes
    EXPECT_EQ(window->m_strIniPath, site);
}

TEST_F(StartupOptionsTest, TheChosenFolderIsTheApplicationDirectoryThroughout) {
    const QString shop = workPath(QStringLiteral("shop"));
    ASSERT_TRUE(QDir().mkpath(shop));
    const QString shopIni = writeFactoryWithFrameSpeed(QStringLiteral("shop/default.ini"), "7");
    dialogs.fileAnswers = {std::nullopt, shopIni};
    dialogs.messageAnswers = {MessageResult::No};
    auto window = startWith({QStringLiteral("--appdir"), shop});
    EXPECT_EQ(ApplicationDirectory, shop);
    ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
    EXPECT_EQ(dialogs.fileDialogs[0].initialDirectory, shop);
    EXPECT_EQ(dialogs.fileDialogs[1].initialDirectory, shop);

    // File > New reloads the default.ini of the chosen folder, not of the current directory.
    settingsStore().setValue(u"FrameSpeed", u"FrameSpeed", QStringLiteral("12"));
    window->menu()->choose(MenuId::FileNew);
    EXPECT_EQ(frameSpeed(), QStringLiteral("7"));
    EXPECT_EQ(CurrentIniPath, shopIni);
}

} // namespace
} // namespace halvex::test
