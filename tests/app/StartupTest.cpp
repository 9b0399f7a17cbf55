// Start-up and shut-down of the main window against the simulated camera.
#include "AppTestEnvironment.h"
#include "app/CameraDataDialog.h"
#include "app/DeviceInfoDialog.h"
#include "app/HalvexApp.h"
#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QTest>
#include <algorithm>

namespace halvex::test {
namespace {

using StartupTest = AppTest;

// The register writes of the sensor set-up and its two library commands with their argument, in
// order.
std::vector<std::string> setupTrace() {
    std::vector<std::string> trace;
    bool started = false;
    for (const vx3sim::LogEntry& entry : vx3sim::log()) {
        started = started || entry.function == "VX3_EST_GetVersion";
        if (started && entry.kind == vx3sim::LogEntry::Kind::RegisterWrite) {
            trace.push_back(QString::asprintf("%02x", entry.address).toStdString());
        } else if (started &&
                   (entry.function == "VX3_SetTimeout" || entry.function == "VX3_WB_SetMode")) {
            trace.push_back(entry.function + "(" + std::to_string(entry.arguments.at(0)) + ")");
            if (entry.function == "VX3_WB_SetMode") {
                break;
            }
        }
    }
    return trace;
}

TEST_F(StartupTest, ReachesTheRunningMainWindow) {
    std::vector<std::size_t> fileDialogsBeforeModalRuns;
    QString deviceText;
    QString selected;
    dialogs.onRunModal = [&](Dialog& dialog) {
        fileDialogsBeforeModalRuns.push_back(dialogs.fileDialogs.size());
        deviceText += dialog.controls().text(MainId::DeviceText);
        // The technician can select the text (to copy it) once the pointer is over it.
        if (auto* field = dialog.controls().as<QLabel>(MainId::DeviceText)) {
            QEvent enter(QEvent::Enter);
            QApplication::sendEvent(field, &enter);
            field->setSelection(0, 11);
            selected += field->selectedText();
        }
        return 1;
    };
    auto window = startMainWindow();
    EXPECT_EQ(CurrentIniPath, workPath(QStringLiteral("default.ini")));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Corvane Halvex Application (Camera Data Setting Screen)"));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // a frame the technician cannot resize
    EXPECT_EQ(window->control(MainId::LiveArea)->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(window->control(MainId::Start)->geometry(), QRect(140, 485, 160, 45));
    EXPECT_EQ(window->control(MainId::Message)->geometry(), QRect(400, 535, 395, 20));
    EXPECT_EQ(window->m_progress->geometry().size(), QSize(280, 19));
    // The menu bar exists once start-up is done; the window (800 x 600) holds it above the
    // controls.
    const auto* menuBar = window->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    window->layout()->activate();
    EXPECT_EQ(window->clientArea()->geometry(),
              QRect(0, menuBar->height(), 800, 600 - menuBar->height()));

    // The device information was shown before the settings file was asked for, and only once
    // (see About below).
    EXPECT_EQ(fileDialogsBeforeModalRuns, std::vector<std::size_t>{0});
    EXPECT_TRUE(deviceText.startsWith("USB Version = 92\nProduct ID = 33\n"));
    EXPECT_EQ(selected, QStringLiteral("USB Version"));
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].title, QStringLiteral("Load Ini File"));
    EXPECT_EQ(dialogs.fileDialogs[0].filter,
              QStringLiteral("Ini Files(*.ini;*.bak)|*.ini;*.bak||"));
    EXPECT_EQ(dialogs.fileDialogs[0].initialName, QStringLiteral("default.ini"));
    EXPECT_TRUE(dialogs.messages.empty());

    // The Ratio box left as the template has it, Help items grayed; About opens from the menu.
    EXPECT_TRUE(window->controls().isVisible(1233));
    EXPECT_EQ(window->controls().text(MainId::Status), QStringLiteral("Idle state"));
    EXPECT_EQ(window->controls().text(1214), QStringLiteral("2"));
    EXPECT_EQ(window->controls().text(1218), QStringLiteral("1.2"));
    EXPECT_FALSE(window->menu()->isItemEnabled(MenuId::HelpTopics));
    EXPECT_FALSE(window->menu()->isItemEnabled(MenuId::HelpOverview));
    window->menu()->choose(MenuId::About);
    EXPECT_EQ(dialogs.modalRuns,
              (std::vector<QString>{"Corvane Halvex Application", "About Halvex Application"}));
}

// The set-up at start, and the white balance put back to manual (register 12) by New and Load on
// the two known sensors only.
TEST_F(StartupTest, SensorCommandsFollowTheSensor) {
    // (address, mask, value) of the gain, gamma and white-balance period commands; every other
    // sensor is set up as the OV7620. The library turns white balance manual through register 12.
    const int ov7610[3][3] = {{0x2d, 0x10, 0x00}, {0x14, 0x04, 0x04}, {0x38, 0x0b, 0x0b}};
    const int ov7620[3][3] = {{0x2d, 0xff, 0x05}, {0x14, 0x84, 0x84}, {0x70, 0x8b, 0x8b}};
    const QString other = workPath(QStringLiteral("other.ini"));
    ASSERT_TRUE(QFile::copy(workPath(QStringLiteral("default.ini")), other));
    for (const char* version : {"OV7610", "OV7620", "VX-PROTO"}) {
        SCOPED_TRACE(version);
        const auto& written = std::string(version) == "OV7610" ? ov7610 : ov7620;
        vx3sim::reset();
        vx3sim::setCameraVersion(version);
        // Every owned bit starts opposite to the value the set-up gives it.
        char buffer[VX3_INIT_BUFFER_SIZE] = {};
        ASSERT_NE(VX3_InitCamera(buffer), 0);
        for (const auto& [address, mask, value] : written) {
            const auto opposite = static_cast<std::uint8_t>(~value);
            VX3_EST_SetAdrsData(static_cast<std::uint32_t>(address), 1, &opposite);
        }
        vx3sim::clearLog();
        auto window = startMainWindow();
        EXPECT_EQ(setupTrace(), (std::vector<std::string>{"2d", "14", "VX3_SetTimeout(5000)",
                                                          &written == &ov7610 ? "38" : "70", "12",
                                                          "VX3_WB_SetMode(0)"}));
        for (const auto& [address, mask, value] : written) {
            EXPECT_EQ(vx3sim::peekRegister(static_cast<std::uint8_t>(address)) & mask, value)
                << std::hex << address;
        }

        const bool known = std::string(version) != "VX-PROTO";
        dialogs.fileAnswers = {other};
        for (const int command : {MenuId::FileNew, MenuId::FileLoad}) {
            const auto automatic = static_cast<std::uint8_t>(vx3sim::peekRegister(0x12) | 0x04);
            VX3_EST_SetAdrsData(0x12, 1, &automatic);
            vx3sim::clearLog();
            window->menu()->choose(command);
            EXPECT_EQ(vx3sim::peekRegister(0x12) & 0x04, known ? 0 : 0x04) << command;
            EXPECT_EQ(std::ranges::count(registerWrites(), 0x12, &std::pair<int, int>::first),
                      known ? 1 : 0)
                << command;
        }
        EXPECT_EQ(CurrentIniPath, other);
        window->requestClose();
    }
}

TEST_F(StartupTest, CancelledLoadAsksUntilAFileIsLoadedOrTheUserEnds) {
    // Cancel, No (ask again), cancel, No, then a file.
    dialogs.fileAnswers = {std::nullopt, std::nullopt, workPath(QStringLiteral("default.ini"))};
    dialogs.messageAnswers = {MessageResult::No, MessageResult::No};
    auto window = std::make_unique<CameraDataDialog>();
    EXPECT_TRUE(window->initialize());
    EXPECT_EQ(dialogs.fileDialogs.size(), 3u);
    EXPECT_EQ(
        dialogs.messageTexts(),
        QStringList(2, "No initialization file was loaded. Do you want to end this session?"));
    EXPECT_EQ(dialogs.messages.at(0).buttons, MessageButtons::YesNo);
    EXPECT_EQ(window->m_strIniPath, workPath(QStringLiteral("default.ini")));
    window->requestClose();

    vx3sim::reset();
    CurrentIniPath.clear();
    dialogs.fileAnswers = {std::nullopt};
    dialogs.messageAnswers = {MessageResult::Yes};
    window = std::make_unique<CameraDataDialog>();
    EXPECT_FALSE(window->initialize());
    EXPECT_EQ(callCount("VX3_UnmountCamera"), 1);
    EXPECT_TRUE(CurrentIniPath.isEmpty());
}

// The application runs the main window until its close box: Enter and Escape keep it open. (The
// shut-down is the fault matrix's.)
TEST_F(StartupTest, WholeRunThroughTheApplicationObject) {
    dialogs.fileAnswers = {workPath(QStringLiteral("default.ini"))};
    bool sawMainWindow = false;
    dialogs.onRunModal = [&](Dialog& dialog) {
        if (auto* main = dynamic_cast<CameraDataDialog*>(&dialog)) {
            sawMainWindow = true;
            QTest::keyClick(main, Qt::Key_Escape);
            QTest::keyClick(main, Qt::Key_Return);
            EXPECT_FALSE(main->hasEnded());
            main->close();
        }
        return 1;
    };
    HalvexApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(sawMainWindow);
}

TEST_F(StartupTest, DeviceTextListsTheCameraAndLeavesItAutomatic) {
    vx3sim::setCameraVersion("OV7620");
    vx3sim::setSdkVersion("SDK 3.1.4");
    vx3sim::setUsbIds(200, 7); // unsigned: a byte above 127 is no negative number
    char buffer[VX3_INIT_BUFFER_SIZE] = {};
    ASSERT_NE(VX3_InitCamera(buffer), 0);
    VX3_GC_SetAgc(0);
    VX3_EXP_SetMode(1);
    EXPECT_EQ(DeviceInfoDialog::BuildDeviceText(),
              QStringLiteral("USB Version = 200\nProduct ID = 7\nSDK Version = SDK 3.1.4\n"
                             "Camera Version = OV7620\nAuto Gain Control = ON\n"
                             "Black Balance Mode = AUTO\nExposure Mode = AUTO\n"
                             "Halvex Application = Ver. 2.02.01\n"));

    // Modes the camera does not report read as off and manual, without an error.
    VX3_EXP_SetMode(1);
    for (const char* function : {"VX3_GC_GetAgc", "VX3_BB_GetMode", "VX3_EXP_SetMode"}) {
        vx3sim::failFunction(function);
    }
    const QStringList lines = DeviceInfoDialog::BuildDeviceText().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.mid(4, 3),
              (QStringList{"Auto Gain Control = OFF", "Black Balance Mode = MANUAL",
                           "Exposure Mode = MANUAL"}));
}

TEST_F(StartupTest, RatioLimitsAreRangeCheckedWhenTakenFromTheControls) {
    auto window = startMainWindow();
    // Box, text placed in it, the message shown (none: accepted).
    const std::tuple<int, const char*, QString> cases[] = {
        {1218, "2.5", "Please enter a number between 0 and 2."},
        {1220, "-0.1", "Please enter a number between 0 and 2."},
        {1226, "abc", "Please enter a number."},
        {1232, "1e39", "Please enter a number."}, // beyond a float even without a range check
        {1232, "5", ""},                          // R/G Min has no range check
    };
    // Without the boxes' change handlers, which take the values themselves.
    const auto place = [&window](int id, const QString& text) {
        const QSignalBlocker quiet(window->control(id));
        window->controls().setText(id, text);
    };
    for (const auto& [box, text, message] : cases) {
        SCOPED_TRACE(box);
        dialogs.messages.clear();
        place(box, QString::fromLatin1(text));
        EXPECT_EQ(window->updateData(true), message.isEmpty());
        EXPECT_EQ(dialogs.messageTexts().join(u'|'), message);
        place(box, QStringLiteral("1"));
    }
    window->requestClose();
}

} // namespace
} // namespace halvex::test
