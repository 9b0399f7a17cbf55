// "Get Auto Adj. Values": the camera's own balance settles, is range-checked and shown.
#include "CalibrationFixture.h"

namespace halvex::test {
namespace {

const QString kTimeout = QStringLiteral("Operation timeout!");
const QString kOutOfRange =
    QStringLiteral("The obtained color adjustment values are out of range.");

class AutoAdjustmentTest : public CalibrationTest {
protected:
    // Runs the procedure by its button; the virtual seconds it took.
    double run() {
        const double before = virtualSeconds();
        click(MainId::GetAutoAdjValues);
        return virtualSeconds() - before;
    }
    void expectClosingState() {
        EXPECT_EQ(window->m_strStatus, QStringLiteral("Live image display"));
        EXPECT_EQ(window->m_progress->value(), 0);
        EXPECT_EQ(vx3sim::peekRegister(0x12) & 0x04, 0x00); // white balance manual again
        EXPECT_EQ(window->m_bBusy, 0);
        EXPECT_TRUE(window->m_strMessage.startsWith(QStringLiteral(" Blue = ")));
    }
};

TEST_F(AutoAdjustmentTest, SettlesInRangeOnBothSensors) {
    for (const char* sensor : {"OV7610", "OV7620"}) {
        SCOPED_TRACE(sensor);
        start(sensor);
        click(MainId::Start);
        for (int tick = 0; tick < 30; ++tick) { // a second of live view before the procedure
            window->fireTimer(CameraDataDialog::LiveViewTimerId);
        }
        QSignalSpy bar(window->m_progress, &QProgressBar::valueChanged);
        const double seconds = run();

        EXPECT_TRUE(dialogs.messages.empty());
        const int blue = shown(1195).toInt();
        const int red = shown(1193).toInt();
        EXPECT_GE(blue, 0);
        EXPECT_LE(blue, 245);
        EXPECT_GE(red, 0);
        EXPECT_LE(red, 245);
        EXPECT_NE(blue, 110); // the camera moved away from the initial values
        EXPECT_EQ(shown(1196), QString::asprintf("%02X", blue));
        EXPECT_EQ(shown(1194), QString::asprintf("%02X", red));
        EXPECT_EQ(window->m_wbValue.blue, blue);
        EXPECT_TRUE(positions(bar).contains(20));
        EXPECT_TRUE(positions(bar).contains(40));
        EXPECT_GE(seconds, 8.0); // 2 s, then three readings 2 s apart
        expectClosingState();
        std::printf("[ figures  ] %s auto: blue %d red %d after %.0f s, %s\n", sensor, blue, red,
                    seconds, qPrintable(window->m_strMessage));
        window.reset();
        vx3sim::reset();
    }
}

TEST_F(AutoAdjustmentTest, StartsLiveViewWhenStopped) {
    start();
    vx3sim::clearLog();
    run();
    EXPECT_NE(VX3_LV_IsMovieRunning(), 0);
    EXPECT_EQ(vx3sim::peekRegister(0x72), 0x80); // the stored settings were applied first
    expectClosingState();
}

TEST_F(AutoAdjustmentTest, UnstableValuesTimeOutAfter100Seconds) {
    struct Case {
        const char* name;
        std::deque<MessageResult> answers;
        int boxes;
    };
    const Case cases[] = {
        {"cancel", {MessageResult::Cancel}, 1},
        {"retry then cancel", {MessageResult::Retry, MessageResult::Cancel}, 2},
    };
    start();
    vx3sim::setBadUnit(vx3sim::BadUnit::UnsettledBalance);
    click(MainId::Start);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        dialogs.messageAnswers = c.answers;
        std::vector<double> shownAfter;
        const double before = virtualSeconds();
        dialogs.onMessage = [&](const MessageRequest&) {
            shownAfter.push_back(virtualSeconds() - before);
        };
        run();
        EXPECT_EQ(boxesWithText(kTimeout), c.boxes);
        EXPECT_EQ(dialogs.messages.size(), static_cast<std::size_t>(c.boxes));
        const MessageRequest& box = dialogs.messages.front();
        EXPECT_EQ(box.buttons, MessageButtons::RetryCancel);
        EXPECT_EQ(box.icon, MessageIcon::Stop);
        EXPECT_EQ(box.modality, Modality::System);
        // 2 s before the first reading, then 100 s of readings; a Retry waits afresh.
        ASSERT_EQ(shownAfter.size(), static_cast<std::size_t>(c.boxes));
        EXPECT_GE(shownAfter[0], 102.0);
        EXPECT_LT(shownAfter[0], 105.0);
        if (c.boxes == 2) {
            EXPECT_GE(shownAfter[1] - shownAfter[0], 102.0);
        }
        expectClosingState();
        EXPECT_FALSE(shown(1195).isEmpty());
    }
}

TEST_F(AutoAdjustmentTest, RetryAfterAStableTimeoutWaitsAgainThenChecksTheRange) {
    start();
    vx3sim::setBadUnit(vx3sim::BadUnit::UnsettledBalance);
    click(MainId::Start);
    dialogs.messages.clear(); // the start-up's white-balance warning
    dialogs.messageAnswers = {MessageResult::Retry};
    // The camera is exchanged for a sound one while the box is shown.
    dialogs.onMessage = [](const MessageRequest&) { vx3sim::setBadUnit(vx3sim::BadUnit::None); };
    run();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{kTimeout});
    EXPECT_LE(shown(1195).toInt(), 245);
    expectClosingState();
}

TEST_F(AutoAdjustmentTest, OutOfRangeRetryNestsAWholeRunAndBothRunsFinish) {
    struct Case {
        const char* name;
        std::deque<MessageResult> answers;
        int boxes;
    };
    const Case cases[] = {
        {"cancel", {MessageResult::Cancel}, 1},
        {"retry then cancel", {MessageResult::Retry, MessageResult::Cancel}, 2},
        {"retry twice then cancel",
         {MessageResult::Retry, MessageResult::Retry, MessageResult::Cancel},
         3},
    };
    start();
    click(MainId::Start);
    type(1192, QStringLiteral("100")); // Blue Max below what the lamp needs
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        dialogs.messageAnswers = c.answers;
        vx3sim::clearLog();
        run();
        EXPECT_EQ(boxesWithText(kOutOfRange), c.boxes);
        EXPECT_EQ(dialogs.messages.size(), static_cast<std::size_t>(c.boxes));
        EXPECT_EQ(dialogs.messages.front().buttons, MessageButtons::RetryCancel);
        EXPECT_EQ(dialogs.messages.front().icon, MessageIcon::Stop);
        // Every run switched the balance to automatic and back to manual in its closing steps.
        int toManual = 0;
        for (const auto& [address, value] : registerWrites()) {
            toManual += address == 0x12 && (value & 0x04) == 0;
        }
        EXPECT_EQ(toManual, c.boxes);
        EXPECT_GT(shown(1195).toInt(), 100);
        expectClosingState();
        QObject::disconnect(window->m_progress, &QProgressBar::valueChanged, window.get(), nullptr);
    }
}

TEST_F(AutoAdjustmentTest, RangeBoundsAreIncluded) {
    struct Case {
        const char *blueMin, *blueMax, *redMin, *redMax;
        bool accepted;
    };
    const Case cases[] = {
        {"110", "110", "25", "25", true},  {"0", "245", "0", "245", true},
        {"111", "245", "0", "245", false}, {"0", "109", "0", "245", false},
        {"0", "245", "26", "245", false},  {"0", "245", "0", "24", false},
    };
    start();
    click(MainId::Start);
    // A camera whose switch to automatic is lost stays on the initial values 110 and 25.
    vx3sim::failFunction("VX3_EST_SetAdrsData");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.blueMin) + " " + c.blueMax + " " + c.redMin + " " + c.redMax);
        type(1191, QString::fromLatin1(c.blueMin));
        type(1192, QString::fromLatin1(c.blueMax));
        type(1189, QString::fromLatin1(c.redMin));
        type(1190, QString::fromLatin1(c.redMax));
        dialogs.messages.clear();
        run();
        EXPECT_EQ(dialogs.messageTexts(), c.accepted ? QStringList{} : QStringList{kOutOfRange});
        EXPECT_EQ(shown(1195), QStringLiteral("110"));
        EXPECT_EQ(shown(1193), QStringLiteral("25"));
    }
}

TEST_F(AutoAdjustmentTest, RefusedInitialValuesEndTheWaitSilently) {
    start();
    click(MainId::Start);
    type(1228, QStringLiteral("300")); // more than the camera's gains take
    const double seconds = run();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_LT(seconds, 1.0);
    expectClosingState();
}

TEST_F(AutoAdjustmentTest, HexadecimalValuesAreShownWithTwoUpperCaseDigits) {
    start();
    click(MainId::Start);
    // A camera that stays where it is put: automatic balance without its loop.
    window->m_strRangeInitialBlue = QStringLiteral("5");
    window->m_strRangeInitialRed = QStringLiteral("138");
    window->updateData(false);
    vx3sim::failFunction("VX3_EST_SetAdrsData"); // the switch to automatic is lost
    run();
    vx3sim::clearFaults();
    EXPECT_EQ(shown(1195), QStringLiteral("5"));
    EXPECT_EQ(shown(1196), QStringLiteral("05"));
    EXPECT_EQ(shown(1193), QStringLiteral("138"));
    EXPECT_EQ(shown(1194), QStringLiteral("8A"));
}

} // namespace
} // namespace halvex::test
