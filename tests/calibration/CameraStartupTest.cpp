// The camera start-up sequence that Start runs before live view, on both sensors and another.
#include "CalibrationFixture.h"
#include "settings/SettingsStore.h"

namespace halvex::test {
namespace {

// The start-up's traffic from Start to the library's live view: register writes (" w13") other
// than those the library's own functions make (gains 01, 02; frame timing 11, 2a, 2b), and the
// white-balance and frame-rate calls.
std::string startupTrace() {
    std::string trace;
    for (const vx3sim::LogEntry& entry : vx3sim::log()) {
        const bool call = entry.kind == vx3sim::LogEntry::Kind::Call;
        if (call && entry.function == "VX3_LV_StartMovie") {
            break;
        }
        if (entry.kind == vx3sim::LogEntry::Kind::RegisterWrite &&
            !QList<int>{0x01, 0x02, 0x11, 0x2A, 0x2B}.contains(entry.address)) {
            trace += QString::asprintf(" w%02x", entry.address).toStdString();
        } else if (call &&
                   QList<std::string>{"VX3_WB_SetWbVal", "VX3_WB_GetWbVal", "VX3_LV_SetFrameRate"}
                       .contains(entry.function)) {
            trace += " " + entry.function.substr(4);
        }
    }
    return trace;
}

using CameraStartupTest = CalibrationTest;

TEST_F(CameraStartupTest, AppliesTheStoredSettingsOfEachSensorInOrder) {
    const std::string checks = " WB_GetWbVal WB_SetWbVal WB_GetWbVal WB_SetWbVal WB_GetWbVal "
                               "WB_SetWbVal WB_GetWbVal WB_SetWbVal WB_GetWbVal WB_SetWbVal";
    const std::tuple<const char*, std::string, QList<int>> cases[] = {
        {"OV7610",
         " w13 w12 WB_SetWbVal" + checks +
             " w14 w71 w71 w72 w03 w05 w06 w0c w0d w0e w20 w2d w2d LV_SetFrameRate w28",
         {6, 11, 16, 21, 25, 29, 33, 37, 41, 51, 56, 61, 66, 71, 76, 81, 86, 91, 96, 1}},
        {"OV7620",
         " w13 w12 WB_SetWbVal" + checks +
             " w14 w64 w14 w62 w03 w64 w06 w0c w0d w74 w20 w2d LV_SetFrameRate w28",
         {6, 11, 16, 21, 25, 29, 33, 37, 41, 51, 56, 61, 66, 71, 76, 81, 86, 96, 1}},
        // Another sensor: no stored values, no check, the second sensor's gamma command.
        {"OV9650", " w13 WB_SetWbVal w14 w28", {6, 11, 16, 1}},
    };
    for (const auto& [sensor, trace, bar] : cases) {
        SCOPED_TRACE(sensor);
        restart(sensor);
        vx3sim::clearLog();
        QSignalSpy spy(window->m_progress, &QProgressBar::valueChanged);
        click(MainId::Start);
        EXPECT_EQ(startupTrace(), trace);
        EXPECT_EQ(positions(spy), bar);
        EXPECT_EQ(shown(MainId::Status), text::LiveImage);
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

TEST_F(CameraStartupTest, SendsTheStoredTextsAndValues) {
    settingsStore().setValue(u"WhiteBalance", u"Blue", QStringLiteral("8C"));
    settingsStore().setValue(u"WhiteBalance", u"Red", QStringLiteral("2fz"));
    settingsStore().setValue(u"Saturation", u"Saturation", QStringLiteral("03,FF,5a"));
    settingsStore().setValue(u"FrameSpeed", u"FrameSpeed", QStringLiteral("15"));
    click(MainId::Start);
    // Blue, red (converted up to its first non-digit), saturation, the manual white balance's
    // bits and the frame rate.
    std::uint16_t rate = 0;
    VX3_LV_GetFrameRate(&rate);
    const auto peek = [](std::uint8_t address) { return int{vx3sim::peekRegister(address)}; };
    EXPECT_EQ((std::vector{peek(0x01), peek(0x02), peek(0x03), peek(0x13) & 1, peek(0x12) & 4,
                           peek(0x14) & 4, int{rate}}),
              (std::vector{0x8C, 0x2F, 0x5A, 1, 0, 4, 15}));
    // The exposure command is automatic for exactly "ON".
    for (const auto& [mode, manual] :
         {std::pair{"ON", 0x00}, {"OFF", 0x10}, {"on", 0x10}, {"", 0x10}}) {
        SCOPED_TRACE(mode);
        window->StopLiveView();
        settingsStore().setValue(u"CaptureScreenParameter", u"AutoExposure",
                                 QString::fromLatin1(mode));
        window->StartLiveView();
        EXPECT_EQ(vx3sim::peekRegister(0x28) & 0x10, manual);
    }
}

TEST_F(CameraStartupTest, ARepeatedMismatchRestartsTheCount) {
    // During the first pass's pause the gains change behind the sequence's back.
    bool changed = false;
    time.onSleep = [&changed](int) {
        if (!std::exchange(changed, true)) {
            const WhiteBalanceValue other{100, 100};
            VX3_WB_SetWbVal(&other);
        }
    };
    QSignalSpy bar(window->m_progress, &QProgressBar::valueChanged);
    QStringList statuses;
    QObject::connect(window->m_progress, &QProgressBar::valueChanged,
                     [&] { statuses << window->m_strStatus; });
    click(MainId::Start);
    // The second pass sees the mismatch: 21, then the pass's own step to 25; five matches after
    // it; the last stored command brings the bar to 100, which empties the status and restarts
    // the bar.
    EXPECT_EQ(positions(bar), (QList<int>{6,  11, 16, 21, 25, 21, 25, 29, 33, 37,  41, 45,
                                          55, 60, 65, 70, 75, 80, 85, 90, 95, 100, 1}));
    // Each status is seen as the bar moves on from it.
    EXPECT_EQ(statuses.mid(5, 3),
              (QStringList{"Initializing  21%", "Initializing  21%", "Initializing  25%"}));
    EXPECT_EQ(statuses.at(1), QStringLiteral("Initializing  6%"));
}

} // namespace
} // namespace halvex::test
