// Start-up and shut-down of the main window against the simulated camera.
#include "AppTestEnvironment.h"
#include "app/CameraDataDialog.h"
#include "app/DeviceInfoDialog.h"
#include "app/HalvexApp.h"
#include "framework/MenuBar.h"
#include "framework/SurfaceWidget.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "settings/SettingsStore.h"

#include <QProgressBar>
#include <QSignalBlocker>
#include <QTest>
#include <algorithm>

namespace halvex::test {
namespace {

class StartupTest : public AppTest {
protected:
    static bool called(const std::string& name) {
        const auto names = calls();
        return std::find(names.begin(), names.end(), name) != names.end();
    }
    // The library calls and register writes of the sensor set-up, in order.
    static std::vector<std::string> setupTrace() {
        std::vector<std::string> trace;
        bool started = false;
        for (const vx3sim::LogEntry& entry : vx3sim::log()) {
            if (entry.kind == vx3sim::LogEntry::Kind::Call) {
                if (entry.function == "VX3_EST_GetVersion") {
                    started = true;
                } else if (started && entry.function != "VX3_EST_GetAdrsData" &&
                           entry.function != "VX3_EST_SetAdrsData") {
                    trace.push_back(entry.function);
                    if (entry.function == "VX3_WB_SetMode") {
                        break;
                    }
                }
            } else if (started && entry.kind == vx3sim::LogEntry::Kind::RegisterWrite) {
                trace.push_back(QString::asprintf("%02x", entry.address).toStdString());
            }
        }
        return trace;
    }
};

TEST_F(StartupTest, ReachesTheRunningMainWindow) {
    auto window = startMainWindow();
    EXPECT_FALSE(window->hasEnded());
    EXPECT_EQ(SensorModel, QStringLiteral("OV7610"));
    EXPECT_EQ(ApplicationDirectory, workDir());
    EXPECT_EQ(CurrentIniPath, workPath(QStringLiteral("default.ini")));
    EXPECT_EQ(settingsStore().value(u"FrameSpeed", u"FrameSpeed"), QStringLiteral("30"));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Corvane Halvex Application (Camera Data Setting Screen)"));
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(window->control(MainId::LiveArea)->geometry(), QRect(0, 0, 640, 480));
    EXPECT_EQ(window->control(MainId::Start)->geometry(), QRect(140, 485, 160, 45));
    EXPECT_EQ(window->control(MainId::Message)->geometry(), QRect(400, 535, 395, 20));
    ASSERT_NE(window->m_progress, nullptr);
    EXPECT_EQ(window->m_progress->geometry().size(), QSize(280, 19));
    EXPECT_TRUE(window->m_pFrameBuffer);
    EXPECT_EQ(window->m_hMenu, window->menu());
    EXPECT_EQ(window->m_bBusy, 0);

    // The device information was shown once, before the settings file was asked for.
    EXPECT_EQ(dialogs.modalRuns,
              std::vector<QString>{QStringLiteral("Corvane Halvex Application")});
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].title, QStringLiteral("Load Ini File"));
    EXPECT_EQ(dialogs.fileDialogs[0].filter,
              QStringLiteral("Ini Files(*.ini;*.bak)|*.ini;*.bak||"));
    EXPECT_EQ(dialogs.fileDialogs[0].initialName, QStringLiteral("default.ini"));
    EXPECT_EQ(dialogs.fileDialogs[0].initialDirectory, workDir());
    EXPECT_TRUE(dialogs.messages.empty());

    // Panel hidden, the Ratio box left as the template has it, Help items grayed.
    const ControlSet& controls = window->controls();
    EXPECT_FALSE(controls.isVisible(MainId::OverlayGroup));
    EXPECT_FALSE(controls.isVisible(MainId::Capture));
    EXPECT_TRUE(controls.isVisible(1233));
    EXPECT_FALSE(controls.isEnabled(MainId::Stop));
    EXPECT_EQ(controls.text(MainId::Status), QStringLiteral("Idle state"));
    EXPECT_EQ(controls.text(1214), QStringLiteral("2"));
    EXPECT_EQ(controls.text(1218), QStringLiteral("1.2"));
    EXPECT_FALSE(window->menu()->isItemEnabled(MenuId::HelpTopics));
    EXPECT_FALSE(window->menu()->isItemEnabled(MenuId::HelpOverview));
    EXPECT_TRUE(window->menu()->isItemEnabled(MenuId::About));
}

TEST_F(StartupTest, SensorSetUpFollowsTheSensor) {
    struct Case {
        const char* version;
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        // The library switches white balance to manual through register 12 itself.
        {"OV7610", {"2d", "14", "VX3_SetTimeout", "38", "12", "VX3_WB_SetMode"}},
        {"OV7620", {"2d", "14", "VX3_SetTimeout", "70", "12", "VX3_WB_SetMode"}},
        {"VX-PROTO", {"2d", "14", "VX3_SetTimeout", "70", "12", "VX3_WB_SetMode"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        vx3sim::reset();
        vx3sim::setCameraVersion(c.version);
        auto window = startMainWindow();
        EXPECT_EQ(SensorModel, QString::fromLatin1(c.version));
        EXPECT_EQ(setupTrace(), c.trace);
        const bool ov7610 = std::string(c.version) == "OV7610";
        EXPECT_EQ(vx3sim::peekRegister(0x2d) & (ov7610 ? 0x10 : 0xFF), ov7610 ? 0x00 : 0x05);
        EXPECT_EQ(vx3sim::peekRegister(0x14) & (ov7610 ? 0x04 : 0x84), ov7610 ? 0x04 : 0x84);
        window->requestClose();
    }
}

TEST_F(StartupTest, IdentityFailuresEndTheProgramWithTheirMessage) {
    struct Case {
        const char* function;
        int nth;
        int message;
        bool released;
    };
    const Case cases[] = {
        {"VX3_InitCamera", 1, 8, false},     {"VX3_IsConnectUsb", 1, 9, true},
        {"VX3_GetUsbId", 1, 10, true},       {"VX3_GetUsbId", 2, 11, true},
        {"VX3_EST_GetVersion", 1, 12, true}, {"VX3_EST_GetVersion", 2, 13, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        vx3sim::reset();
        vx3sim::failFunction(c.function, c.nth);
        dialogs.messages.clear();
        CameraDataDialog window;
        EXPECT_FALSE(window.initialize());
        EXPECT_EQ(window.endResult(), 1);
        EXPECT_FALSE(window.isVisible());
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, loadString(c.message));
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
        EXPECT_EQ(dialogs.messages[0].modality, Modality::System);
        EXPECT_EQ(called("VX3_UnmountCamera"), c.released);
        EXPECT_TRUE(dialogs.modalRuns.empty());
    }
}

TEST_F(StartupTest, UnpluggedCameraIsNotFound) {
    vx3sim::setPlugged(false);
    CameraDataDialog window;
    EXPECT_FALSE(window.initialize());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{loadString(8)});
}

TEST_F(StartupTest, CancelledLoadAsksUntilAFileIsLoadedOrTheUserEnds) {
    // Cancel, No (ask again), cancel, No, then a file.
    dialogs.fileAnswers = {std::nullopt, std::nullopt, workPath(QStringLiteral("default.ini"))};
    dialogs.messageAnswers = {MessageResult::No, MessageResult::No};
    CameraDataDialog window;
    EXPECT_TRUE(window.initialize());
    EXPECT_EQ(dialogs.fileDialogs.size(), 3u);
    EXPECT_EQ(dialogs.messageTexts(), QStringList(2, loadString(1)));
    EXPECT_EQ(window.m_strIniPath, workPath(QStringLiteral("default.ini")));
    window.requestClose();
}

TEST_F(StartupTest, EndingTheSessionAtTheLoadQuestionUnmountsTheCamera) {
    dialogs.fileAnswers = {std::nullopt};
    dialogs.messageAnswers = {MessageResult::Yes};
    CameraDataDialog window;
    EXPECT_FALSE(window.initialize());
    EXPECT_EQ(dialogs.messages.at(0).buttons, MessageButtons::YesNo);
    EXPECT_TRUE(called("VX3_UnmountCamera"));
    EXPECT_TRUE(CurrentIniPath.isEmpty());
}

TEST_F(StartupTest, EnterAndEscapeKeepTheWindowOpenTheCloseBoxEndsIt) {
    auto window = startMainWindow();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_FALSE(window->hasEnded());
    window->close();
    EXPECT_TRUE(window->hasEnded());
    EXPECT_TRUE(called("VX3_UnmountCamera"));
    EXPECT_FALSE(window->m_pFrameBuffer);
}

TEST_F(StartupTest, ExitStopsLiveViewBeforeUnmounting) {
    auto window = startMainWindow();
    window->StartLiveView();
    vx3sim::clearLog();
    window->menu()->choose(MenuId::FileExit);
    EXPECT_TRUE(window->hasEnded());
    const auto names = calls();
    const auto stop = std::find(names.begin(), names.end(), "VX3_LV_StopMovie");
    const auto unmount = std::find(names.begin(), names.end(), "VX3_UnmountCamera");
    ASSERT_NE(stop, names.end());
    ASSERT_NE(unmount, names.end());
    EXPECT_LT(stop, unmount);
}

TEST_F(StartupTest, RefusedUnmountIsReportedAndShutDownGoesOn) {
    auto window = startMainWindow();
    vx3sim::failFunction("VX3_UnmountCamera");
    window->requestClose();
    EXPECT_TRUE(window->hasEnded());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{loadString(18)});
}

TEST_F(StartupTest, LoadWhileShownKeepsPathsOnCancelAndResetsTheSensorOnLoad) {
    auto window = startMainWindow();
    const QString other = workPath(QStringLiteral("other.ini"));
    ASSERT_TRUE(QFile::copy(workPath(QStringLiteral("default.ini")), other));

    window->menu()->choose(MenuId::FileLoad); // cancelled
    EXPECT_EQ(window->m_strIniPath, workPath(QStringLiteral("default.ini")));
    EXPECT_EQ(CurrentIniPath, workPath(QStringLiteral("default.ini")));

    const auto automatic = static_cast<std::uint8_t>(vx3sim::peekRegister(0x12) | 0x04);
    VX3_EST_SetAdrsData(0x12, 1, &automatic);
    dialogs.fileAnswers = {other};
    window->menu()->choose(MenuId::FileLoad);
    EXPECT_EQ(CurrentIniPath, other);
    EXPECT_EQ(window->m_strIniFileName, QStringLiteral("other.ini"));
    EXPECT_EQ(vx3sim::peekRegister(0x12) & 0x04, 0); // back to manual white balance
}

TEST_F(StartupTest, WholeRunThroughTheApplicationObject) {
    dialogs.fileAnswers = {workPath(QStringLiteral("default.ini"))};
    bool sawMainWindow = false;
    dialogs.onRunModal = [&](Dialog& dialog) {
        if (auto* main = dynamic_cast<CameraDataDialog*>(&dialog)) {
            sawMainWindow = true;
            main->requestClose();
        }
        return 1;
    };
    HalvexApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(sawMainWindow);
    EXPECT_TRUE(called("VX3_UnmountCamera"));
}

TEST_F(StartupTest, DeviceTextHasEightLinesAndLeavesTheCameraAutomatic) {
    vx3sim::setCameraVersion("OV7620");
    char buffer[VX3_INIT_BUFFER_SIZE] = {};
    ASSERT_NE(VX3_InitCamera(buffer), 0);
    const QStringList lines = DeviceInfoDialog::BuildDeviceText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 9); // eight lines, each ending with a line break
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("USB Version = ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Product ID = ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("SDK Version = ")));
    EXPECT_EQ(lines[3], QStringLiteral("Camera Version = OV7620"));
    EXPECT_EQ(lines[4], QStringLiteral("Auto Gain Control = ON"));
    EXPECT_EQ(lines[6], QStringLiteral("Exposure Mode = AUTO"));
    EXPECT_EQ(lines[7], QStringLiteral("Halvex Application = Ver. 2.02.01"));
    EXPECT_TRUE(lines[8].isEmpty());

    vx3sim::failFunction("VX3_GC_GetAgc");
    EXPECT_EQ(DeviceInfoDialog::BuildDeviceText().split(QLatin1Char('\n')).at(4),
              QStringLiteral("Auto Gain Control = OFF"));
}

TEST_F(StartupTest, RatioLimitsAreRangeCheckedWhenTakenFromTheControls) {
    auto window = startMainWindow();
    const struct {
        int id;
        const char* text;
        const char* message; // nullptr: accepted
    } cases[] = {
        {1218, "2.5", "Please enter a number between 0 and 2."},
        {1220, "-0.1", "Please enter a number between 0 and 2."},
        {1226, "abc", "Please enter a number."},
        {1232, "5", nullptr}, // R/G Min has no range check
        {1219, "0.5", nullptr},
    };
    // The boxes' texts are put in place without their change handlers, which take the values
    // themselves.
    const auto place = [&window](int id, const QString& text) {
        const QSignalBlocker quiet(window->control(id));
        window->controls().setText(id, text);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        for (int id : {1218, 1219, 1227, 1232, 1226, 1220}) {
            place(id, QStringLiteral("1"));
        }
        dialogs.messages.clear();
        place(c.id, QString::fromLatin1(c.text));
        EXPECT_EQ(window->updateData(true), c.message == nullptr);
        if (c.message != nullptr) {
            EXPECT_EQ(dialogs.messageTexts(), QStringList{QString::fromLatin1(c.message)});
        } else {
            EXPECT_TRUE(dialogs.messages.empty());
        }
    }
    window->requestClose();
}

} // namespace
} // namespace halvex::test
