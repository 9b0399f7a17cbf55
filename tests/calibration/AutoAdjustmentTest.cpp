// "Get Auto Adj. Values": the camera's own balance settles, is range-checked and shown.
#include "CalibrationFixture.h"

namespace halvex::test {
namespace {

class AutoAdjustmentTest : public CalibrationTest {
protected:
    // Runs the procedure by its button; the virtual seconds it took.
    double run() {
        const double before = virtualSeconds();
        click(MainId::GetAutoAdjValues);
        return virtualSeconds() - before;
    }
    void expectClosingState() {
        expectIdle();
        EXPECT_EQ(vx3sim::peekRegister(0x12) & 0x04, 0x00); // white balance manual again
        EXPECT_TRUE(window->m_strMessage.startsWith(QStringLiteral(" Blue = ")));
    }
};

TEST_F(AutoAdjustmentTest, SettlesInRangeOnBothSensors) {
    for (const char* sensor : {"OV7610", "OV7620"}) {
        SCOPED_TRACE(sensor);
        start(sensor);
        startLiveView();
        QSignalSpy bar(window->m_progress, &QProgressBar::valueChanged);
        const double seconds = run();

        EXPECT_TRUE(dialogs.messages.empty());
        const int blue = shownGains().first;
        EXPECT_NE(blue, 110); // the camera moved away from the initial values
        EXPECT_EQ(window->m_wbValue.blue, blue);
        EXPECT_TRUE(positions(bar).contains(20));
        EXPECT_TRUE(positions(bar).contains(40));
        EXPECT_GE(seconds, 8.0); // 2 s, then three readings 2 s apart
        expectClosingState();
        window.reset();
        vx3sim::reset();
    }
}

// A Retry of the time-out waits afresh within the same run; a Retry of the range check nests a
// whole run. Every run ends with its own closing steps.
TEST_F(AutoAdjustmentTest, RetryAndCancelOfItsTwoBoxes) {
    struct Case {
        const char* name;
        bool unsettled;
        bool settlesAtFirstBox;
        const char* answers; // R: Retry, C: Cancel
        const char* boxes;   // T: time-out, O: out of range
        int runs;
        double firstBoxMin, firstBoxMax, laterBoxGap; // virtual seconds
    };
    const Case cases[] = {
        {"time-out, cancel", true, false, "C", "T", 1, 102, 105, 0},
        {"time-out, retry, cancel", true, false, "RC", "TT", 1, 102, 105, 102},
        {"time-out, retry once settled", true, true, "R", "TO", 1, 102, 105, 8},
        {"out of range, retry twice, cancel", false, false, "RRC", "OOO", 3, 8, 30, 8},
    };
    start();
    click(MainId::Start);
    type(1192, QStringLiteral("100")); // Blue Max below what the lamp needs
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        vx3sim::setWhiteBalanceUnstable(c.unsettled);
        dialogs.messages.clear();
        dialogs.messageAnswers.clear();
        QStringList boxes;
        for (const char* box = c.boxes; *box != '\0'; ++box) {
            boxes << (*box == 'T' ? text::Timeout : text::OutOfRange);
        }
        for (const char* answer = c.answers; *answer != '\0'; ++answer) {
            dialogs.messageAnswers.push_back(*answer == 'R' ? MessageResult::Retry
                                                            : MessageResult::Cancel);
        }
        std::vector<double> shownAfter;
        const double before = virtualSeconds();
        dialogs.onMessage = [&](const MessageRequest&) {
            shownAfter.push_back(virtualSeconds() - before);
            vx3sim::setWhiteBalanceUnstable(c.unsettled && !c.settlesAtFirstBox);
        };
        vx3sim::clearLog();
        run();
        EXPECT_EQ(dialogs.messageTexts(), boxes);
        for (const MessageRequest& box : dialogs.messages) {
            EXPECT_EQ(box.buttons, MessageButtons::RetryCancel);
            EXPECT_EQ(box.icon, MessageIcon::Stop);
            EXPECT_EQ(box.modality, Modality::System);
        }
        ASSERT_EQ(shownAfter.size(), static_cast<std::size_t>(boxes.size()));
        EXPECT_GE(shownAfter[0], c.firstBoxMin);
        EXPECT_LT(shownAfter[0], c.firstBoxMax);
        for (std::size_t i = 1; i < shownAfter.size(); ++i) {
            EXPECT_GE(shownAfter[i] - shownAfter[i - 1], c.laterBoxGap);
        }
        int toManual = 0;
        for (const auto& [address, value] : registerWrites()) {
            toManual += address == 0x12 && (value & 0x04) == 0;
        }
        EXPECT_EQ(toManual, c.runs);
        expectClosingState();
    }
}

// A camera whose switch to automatic is lost stays on the initial values: the range check and
// the display of exactly those values.
TEST_F(AutoAdjustmentTest, RangeBoundsAreIncludedAndHexHasTwoUpperCaseDigits) {
    struct Case {
        const char *initialBlue, *initialRed, *blueMin, *blueMax, *redMin, *redMax;
        bool accepted;
        const char *blueHex, *redHex;
    };
    const Case cases[] = {
        {"110", "25", "110", "110", "25", "25", true, "6E", "19"},
        {"110", "25", "111", "245", "0", "245", false, "6E", "19"},
        {"110", "25", "0", "109", "0", "245", false, "6E", "19"},
        {"110", "25", "0", "245", "26", "245", false, "6E", "19"},
        {"110", "25", "0", "245", "0", "24", false, "6E", "19"},
        {"5", "138", "0", "245", "0", "245", true, "05", "8A"},
    };
    start();
    click(MainId::Start);
    vx3sim::failFunction("VX3_EST_SetAdrsData");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.initialBlue) + " " + c.blueMin + " " + c.blueMax + " " +
                     c.redMin + " " + c.redMax);
        for (const auto& [id, text] : {std::pair{1228, c.initialBlue},
                                       {1229, c.initialRed},
                                       {1191, c.blueMin},
                                       {1192, c.blueMax},
                                       {1189, c.redMin},
                                       {1190, c.redMax}}) {
            type(id, QString::fromLatin1(text));
        }
        dialogs.messages.clear();
        run();
        EXPECT_EQ(dialogs.messageTexts(),
                  c.accepted ? QStringList{} : QStringList{text::OutOfRange});
        EXPECT_EQ(shown(1195), QLatin1String(c.initialBlue));
        EXPECT_EQ(shown(1193), QLatin1String(c.initialRed));
        EXPECT_EQ(shown(1196), QLatin1String(c.blueHex));
        EXPECT_EQ(shown(1194), QLatin1String(c.redHex));
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

} // namespace
} // namespace halvex::test
