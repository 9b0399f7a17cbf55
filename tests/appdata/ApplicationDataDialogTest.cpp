// The application-data window: its frame and tabs, New, Load, Save, Exit and the close request,
// and how the main window opens it.
#include "AppDataTest.h"

#include <QAction>
#include <array>

namespace halvex::test {
namespace {

const QString kTitle =
    QStringLiteral("Corvane Halvex Application (Application Data Setting Screen)");
const QString kMessage2 = QStringLiteral("A backup of the old ini file was created.");
const QString kMessage3 =
    QStringLiteral("The default ini file was not found in the application directory. "
                   "Re-installation is highly recommended.");
const QString kMessage4 = QStringLiteral("The file was successfully saved.");
const QString kMessage14 = QStringLiteral(
    "You have made changes to the application data setting screen. Do you want to save the "
    "changes?");
const QString kIniFilter = QStringLiteral("Ini Files(*.ini;*.bak)|*.ini;*.bak||");

using WindowTest = AppDataTest;

TEST_F(WindowTest, OpensAt800By600WithThePaddedTabsInOrder) {
    QWidget owner;
    owner.setGeometry(100, 50, 1000, 800);
    SettingsChanged = 1;
    window = std::make_unique<ApplicationDataDialog>(&owner);
    ASSERT_TRUE(window->initialize());
    window->show();

    EXPECT_EQ(window->windowTitle(), kTitle);
    EXPECT_EQ(window->size(), QSize(800, 600));
    const QPoint offset = window->geometry().center() - owner.geometry().center();
    EXPECT_LE(offset.manhattanLength(), 4); // the frame's margins aside
    EXPECT_EQ(SettingsChanged, 0);
    const QStringList menu{window->menu()->item(AppDataId::FileNew)->text(),
                           window->menu()->item(AppDataId::FileLoad)->text(),
                           window->menu()->item(AppDataId::FileSave)->text(),
                           window->menu()->item(AppDataId::FileExit)->text()};
    EXPECT_EQ(menu, (QStringList{"&New ", "&Load", "&Save", "E&xit"}));

    PropertySheet* sheet = window->sheet();
    ASSERT_EQ(sheet->count(), 4);
    EXPECT_EQ(sheet->tabText(0), "                 Parameter                   ");
    EXPECT_EQ(sheet->tabText(1), "          Capture Screen            ");
    EXPECT_EQ(sheet->tabText(2), "            Library Screen            ");
    EXPECT_EQ(sheet->tabText(3), "         Processing Screen           ");
    EXPECT_EQ(sheet->activeIndex(), 0);
    // The sheet stands in the middle of the window, whole.
    const QRect area = window->clientArea()->rect();
    EXPECT_TRUE(area.contains(sheet->geometry()));
    EXPECT_LE(std::abs(sheet->geometry().center().x() - area.center().x()), 1);
    // Every page shows whole in its tab.
    for (int index : {ParameterPage, CaptureScreenPage, LibraryScreenPage, ProcessingScreenPage}) {
        PropertyPage& page = showPage(index);
        EXPECT_EQ(page.visibleRegion().boundingRect(), page.rect()) << index;
        EXPECT_GE(page.width(), 700) << index;
    }
    window.reset(); // before its owner goes
}

// Exit, the close box and Escape end the window (Enter does not); only after an edit do they ask,
// and nothing is saved unless the technician confirms a file (Yes opens the save dialog, which is
// cancelled here).
TEST_F(WindowTest, ClosingAsksOnlyAfterAnEditAndSavesNothingUnconfirmed) {
    const QByteArray before = fileBytes(iniPath());
    using Case = std::tuple<int, bool, MessageResult>;
    for (const auto& [how, edited, answer] :
         {Case{0, false, MessageResult::Yes}, Case{0, true, MessageResult::No},
          Case{1, true, MessageResult::Yes}, Case{2, true, MessageResult::No}}) {
        SCOPED_TRACE(how);
        window = openWindow();
        showPage(LibraryScreenPage);
        if (edited) {
            typeInto(AppDataId::LoadFilename, QStringLiteral("x.jpg"));
        }
        dialogs.messages.clear();
        dialogs.fileDialogs.clear();
        dialogs.messageAnswers = {answer};
        QTest::keyClick(window.get(), Qt::Key_Return);
        ASSERT_FALSE(window->hasEnded());
        if (how == 0) {
            window->menu()->choose(AppDataId::FileExit);
        } else if (how == 1) {
            window->close();
        } else {
            QTest::keyClick(window.get(), Qt::Key_Escape);
        }

        EXPECT_EQ(dialogs.messageTexts(), edited ? QStringList{kMessage14} : QStringList{});
        if (edited) {
            EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Question);
            EXPECT_EQ(dialogs.messages[0].modality, Modality::System);
        }
        EXPECT_EQ(dialogs.fileDialogs.size(), edited && answer == MessageResult::Yes ? 1u : 0u);
        EXPECT_TRUE(window->hasEnded());
        EXPECT_EQ(window->endResult(), IDOK);
        EXPECT_FALSE(window->sheet()->isVisible());
        EXPECT_EQ(SettingsChanged, 0);
        EXPECT_EQ(fileBytes(iniPath()), before);
    }
}

// The file dialogs of Save and Load, each cancelled: nothing happens, an edit stays unsaved. Only
// Save's asks before overwriting, and its file need not exist.
TEST_F(WindowTest, FileDialogsAskForAnIniFileInTheApplicationDirectoryAndACancelChangesNothing) {
    showPage(ParameterPage);
    choose(AppDataId::Autosave, QStringLiteral("ON"));
    for (const auto& [command, title, initialName, save] :
         {std::tuple{AppDataId::FileSave, "Save Ini File As", "", true},
          {AppDataId::FileLoad, "Open Ini File", "default.ini", false}}) {
        dialogs.fileDialogs.clear();
        window->menu()->choose(command);
        ASSERT_EQ(dialogs.fileDialogs.size(), 1u) << title;
        const FileDialogRequest& request = dialogs.fileDialogs[0];
        EXPECT_EQ((QStringList{request.title, request.filter, request.initialDirectory,
                               request.initialName, request.defaultExtension}),
                  (QStringList{title, kIniFilter, workDir(), initialName, "ini"}));
        EXPECT_EQ((std::array{request.save, request.overwritePrompt, request.pathMustExist,
                              request.fileMustExist}),
                  (std::array{save, save, true, !save}));
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(window->hasEnded());
    EXPECT_EQ(SettingsChanged, 1);
    EXPECT_EQ(CurrentIniPath, iniPath());
}

// A save onto the file in use makes its backup first; a refused save reports the failure.
TEST_F(WindowTest, SaveReportsSuccessOrFailureAndBacksUpTheFileItOverwrites) {
    const QByteArray before = fileBytes(iniPath());
    showPage(CaptureScreenPage);
    choose(AppDataId::AutoExposure, QStringLiteral("OFF"));
    saveAs(iniPath());
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{kMessage2, kMessage4}));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Information);
    EXPECT_EQ(fileBytes(workPath(QStringLiteral("default.bak"))), before);
    EXPECT_TRUE(fileBytes(iniPath()).contains("AutoExposure=OFF"));
    EXPECT_EQ(SettingsChanged, 0);

    // A refused save shows the failure in an error box owned by the window and clears the change.
    SettingsFile::SetWriteRefusal([](const QString&, const QString& section, const QString&) {
        return section == QLatin1String("UserFolder");
    });
    showPage(LibraryScreenPage);
    typeInto(AppDataId::SaveFilename, QStringLiteral("z.jpg"));
    dialogs.messages.clear();
    saveAs(workPath(QStringLiteral("refused.ini")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Save ini file command failed.");
    EXPECT_EQ(dialogs.messages[0].caption, "Error");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.messageOwners[0], window.get());
    EXPECT_EQ(SettingsChanged, 0);
    EXPECT_EQ(CurrentIniPath, workPath(QStringLiteral("refused.ini")));
    EXPECT_FALSE(window->hasEnded());

    window->menu()->choose(AppDataId::FileExit); // nothing left unsaved: closing asks nothing
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// A save to a new file only reports success and puts the file in use.
TEST_F(WindowTest, NewAfterAnEditStillAsksAndASaveWritesTheDefaultValues) {
    showPage(LibraryScreenPage);
    typeInto(AppDataId::LoadFilename, QStringLiteral("edited.jpg"));
    const QString path = workPath(QStringLiteral("kept.ini"));
    dialogs.messageAnswers = {MessageResult::Yes};
    dialogs.fileAnswers = {path};
    window->menu()->choose(AppDataId::FileNew);

    EXPECT_EQ(dialogs.messageTexts(), (QStringList{kMessage14, kMessage4}));
    EXPECT_EQ(SettingsFile().ReadValue("LibraryScreenParameter", "LoadFilename", path),
              "Library.jpg");
    EXPECT_EQ(CurrentIniPath, path);
    EXPECT_EQ(fileBytes(workPath(QStringLiteral("kept.bak"))), QByteArray("<missing>"));
    EXPECT_TRUE(window->hasEnded());
}

TEST_F(WindowTest, NewWithoutTheDefaultFileClosesThenShowsMessage3) {
    ASSERT_TRUE(QFile::remove(iniPath()));
    showPage(ParameterPage);
    choose(AppDataId::UserMakeFolder, QStringLiteral("OFF"));
    bool endedBeforeMessage3 = false;
    dialogs.messageAnswers = {MessageResult::No};
    dialogs.onMessage = [&](const MessageRequest& box) {
        endedBeforeMessage3 = endedBeforeMessage3 || (box.text == kMessage3 && window->hasEnded());
    };
    window->menu()->choose(AppDataId::FileNew);

    EXPECT_EQ(dialogs.messageTexts(), (QStringList{kMessage14, kMessage3}));
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.messages[1].modality, Modality::System);
    EXPECT_TRUE(endedBeforeMessage3);
    EXPECT_EQ(CurrentIniPath, iniPath());
    // The store keeps its values and the edit made before.
    EXPECT_EQ(settingsStore().value(u"UserFolder", u"UserMakeFolder"), "OFF");
    EXPECT_EQ(settingsStore().value(u"Version", u"Version"), "2.2.1");
}

TEST_F(WindowTest, LoadReplacesTheEditsAndEndsWithoutAsking) {
    const QString path = workPath(QStringLiteral("site.ini"));
    writeFile(path, "[Version]\r\nVersion=\"3.0\"\r\n");
    showPage(LibraryScreenPage);
    typeInto(AppDataId::LoadFilename, QStringLiteral("lost.jpg"));
    dialogs.fileAnswers = {path};
    window->menu()->choose(AppDataId::FileLoad);

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(window->hasEnded());
    EXPECT_EQ(CurrentIniPath, path);
    EXPECT_EQ(settingsStore().value(u"Version", u"Version"), "3.0");
    EXPECT_EQ(settingsStore().value(u"LibraryScreenParameter", u"LoadFilename"), QString());
}

// The main window, Window > Application Data Setting Screen.
using OpenFromMainWindowTest = MainWindowTest;

// Closing on the same file leaves the main window as it was; loading another file there brings
// back the camera data layout.
TEST_F(OpenFromMainWindowTest, OnlyLoadingAnotherFileBringsBackTheCameraDataLayout) {
    window->ShowMaintenanceLayout();
    dialogs.modalRuns.clear();
    window->menu()->choose(MenuId::ApplicationDataScreen);
    EXPECT_EQ(dialogs.modalRuns, std::vector<QString>{kTitle});
    EXPECT_EQ(window->m_pAppDataDialog, nullptr);
    EXPECT_TRUE(window->controls().isVisible(MainId::OverlayGroup));
    EXPECT_EQ(window->m_bOverlayOn, 1);

    const QString other = workPath(QStringLiteral("other.ini"));
    ASSERT_TRUE(QFile::copy(factoryIniPath(), other));
    dialogs.fileAnswers = {other};
    dialogs.onRunModal = [](Dialog& dialog) {
        dynamic_cast<ApplicationDataDialog&>(dialog).menu()->choose(AppDataId::FileLoad);
        return 0;
    };
    window->menu()->choose(MenuId::ApplicationDataScreen);
    EXPECT_EQ(CurrentIniPath, other);
    EXPECT_FALSE(window->controls().isVisible(MainId::OverlayGroup));
    EXPECT_FALSE(window->controls().isVisible(MainId::CrossHairs));
    EXPECT_EQ(window->m_bOverlayOn, 0);
    EXPECT_EQ(window->windowTitle(), "Corvane Halvex Application (Maintenance Screen)");
    EXPECT_EQ(window->m_strIniPath, workPath(QStringLiteral("default.ini")));
}

} // namespace
} // namespace halvex::test
