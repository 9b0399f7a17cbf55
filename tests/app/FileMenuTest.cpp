// File and Window menus of the main window: New, Save and the two screen layouts.
#include "AppTestEnvironment.h"
#include "FileBytes.h"
#include "app/CameraDataDialog.h"
#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <array>

namespace halvex::test {
namespace {

const QString kMaintenanceTitle = QStringLiteral("Corvane Halvex Application (Maintenance Screen)");

bool panelVisible(const CameraDataDialog& window, bool visible) {
    return std::ranges::all_of(
        std::array{1136, 1142, 1150, 1157, 1187, 1200, 1220, 1222, 1231, 1238},
        [&](int id) { return window.controls().isVisible(id) == visible; });
}

using FileMenuTest = MainWindowTest;

// The overlay switch and the four figures.
std::array<int, 5> overlays(const CameraDataDialog& w) {
    return {w.m_bOverlayOn, w.m_bCrossHairs, w.m_bConcentricCircles, w.m_bFieldDisplay,
            w.m_bZone1FieldDisplay};
}

// The Maintenance Screen shows the panel and turns the overlays on (the Zone1 field kept as it
// was), once; the Camera Data Setting Screen hides it and clears every overlay and the message.
TEST_F(FileMenuTest, ScreenLayoutsSwitchThePanelAndTheOverlays) {
    window->m_bZone1FieldDisplay = 1;
    window->menu()->choose(MenuId::MaintenanceScreen);
    EXPECT_EQ(window->windowTitle(), kMaintenanceTitle);
    EXPECT_TRUE(panelVisible(*window, true));
    EXPECT_TRUE(window->controls().isChecked(MainId::OverlayOn));
    EXPECT_TRUE(window->controls().isChecked(MainId::CrossHairs));
    EXPECT_EQ(overlays(*window), (std::array{1, 1, 1, 1, 1}));
    window->m_bCrossHairs = 0;
    window->menu()->choose(MenuId::MaintenanceScreen);
    EXPECT_EQ(window->m_bCrossHairs, 0);

    window->m_bCrossHairs = 1;
    window->m_strMessage = QStringLiteral(" Blue = 1");
    window->menu()->choose(MenuId::CameraDataScreen);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Corvane Halvex Application (Camera Data Setting Screen)"));
    EXPECT_TRUE(panelVisible(*window, false));
    EXPECT_TRUE(window->controls().isChecked(MainId::OverlayOff));
    EXPECT_EQ(overlays(*window), (std::array{0, 0, 0, 0, 0}));
    EXPECT_EQ(window->controls().text(MainId::Message), QString());
}

// New loads nothing while live; when idle it reloads the default file and hides the panel, the
// title staying as it was.
TEST_F(FileMenuTest, NewReloadsTheDefaultFileWhenIdle) {
    settingsStore().setValue(u"FrameSpeed", u"FrameSpeed", QStringLiteral("12"));
    window->StartLiveView();
    window->NewFromDefault();
    EXPECT_EQ(settingsStore().value(u"FrameSpeed", u"FrameSpeed"), QStringLiteral("12"));
    window->StopLiveView();

    window->ShowMaintenanceLayout();
    CurrentIniPath = QStringLiteral("/elsewhere/other.ini");
    window->menu()->choose(MenuId::FileNew);
    EXPECT_EQ(settingsStore().value(u"FrameSpeed", u"FrameSpeed"), QStringLiteral("30"));
    EXPECT_EQ(CurrentIniPath, workPath(QStringLiteral("default.ini")));
    EXPECT_TRUE(panelVisible(*window, false));
    EXPECT_EQ(window->m_bOverlayOn, 0);
    EXPECT_EQ(window->windowTitle(), kMaintenanceTitle);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileMenuTest, NewWithoutTheDefaultFileEndsTheProgram) {
    ASSERT_TRUE(QFile::remove(workPath(QStringLiteral("default.ini"))));
    window->menu()->choose(MenuId::FileNew);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{"The default ini file was not found in the application directory. "
                          "Re-installation is highly recommended."});
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.messages[0].modality, Modality::System);
    EXPECT_TRUE(window->hasEnded());
    EXPECT_EQ(VX3_IsConnectUsb(), 0); // unmounted by the shut-down
}

// The backup and the boxes of a save are the save sequence's own; the window asks for the file and
// takes it as the file in use only once it is saved.
TEST_F(FileMenuTest, SaveAsTakesTheFileOnlyOnceSaved) {
    window->menu()->choose(MenuId::FileSave);
    EXPECT_TRUE(dialogs.messages.empty());
    const FileDialogRequest& request = dialogs.fileDialogs.back();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, QStringLiteral("Save Ini File As"));
    EXPECT_EQ(request.filter, QStringLiteral("Ini Files(*.ini)|*.ini||"));
    EXPECT_EQ(request.initialName, QStringLiteral("default.ini"));

    SettingsFile::SetWriteRefusal([](const QString&, const QString& section, const QString&) {
        return section == QLatin1String("FrameSpeed");
    });
    dialogs.fileAnswers = {workPath(QStringLiteral("refused.ini"))};
    window->SaveSettingsAs();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"Save ini file command failed."});
    EXPECT_EQ(CurrentIniPath, workPath(QStringLiteral("default.ini")));

    SettingsFile::SetWriteRefusal({});
    const QString path = workPath(QStringLiteral("site.ini"));
    dialogs.fileAnswers = {path};
    window->SaveSettingsAs();
    EXPECT_EQ(
        SettingsFile().ReadValue(QStringLiteral("FrameSpeed2"), QStringLiteral("FrameSpeed"), path),
        QStringLiteral("30"));
    EXPECT_EQ(CurrentIniPath, path);
    EXPECT_EQ(window->m_strIniFileName, QStringLiteral("site.ini"));
}

// The sequential-capture window opens only while live view is idle, with the settings file in use.
TEST_F(FileMenuTest, SequentialScreenOpensWhileIdleWithTheSettingsFileInUse) {
    CurrentIniPath = workPath(QStringLiteral("site.ini"));
    writeFile(CurrentIniPath, "[CaptureScreenParameter]\r\nAutosavePrefix=\"Zq7\"\r\n");
    QStringList shownTexts; // the boxes of every window that opens
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            for (const QLineEdit* edit : modal->findChildren<QLineEdit*>()) {
                shownTexts << edit->text();
            }
            modal->close();
        }
    });
    closer.start(0);
    window->StartLiveView();
    window->OpenSequentialScreen(); // the menu item is grayed; reached anyway, it is refused
    QApplication::processEvents();
    EXPECT_TRUE(shownTexts.isEmpty());
    window->StopLiveView();

    window->menu()->choose(MenuId::SequentialScreen);
    EXPECT_TRUE(shownTexts.contains(QStringLiteral("Zq7"))) << shownTexts.join(u'|').toStdString();
}

} // namespace
} // namespace halvex::test
