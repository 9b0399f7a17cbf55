// "Get Auto Adj. Values": the camera's own balance settles, is range-checked and shown.
#include "CalibrationFixture.h"

namespace halvex::test {
namespace {

class AutoAdjustmentTest : public CalibrationTest {
protected:
    void expectClosingState() {
        expectIdle();
        EXPECT_EQ(vx3sim::peekRegister(0x12) & 0x04, 0x00); // white balance manual again
        EXPECT_TRUE(window->m_strMessage.startsWith(QStringLiteral(" Blue = ")));
    }
};

TEST_F(AutoAdjustmentTest, SettlesInRangeOnBothSensors) {
    for (const char* sensor : {"OV7610", "OV7620"}) {
        SCOPED_TRACE(sensor);
        restart(sensor);
        click(MainId::GetAutoAdjValues);
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_NE(shownGains().first, 110); // the camera moved away from the initial values
        expectClosingState();
    }
}

// A Retry of the time-out waits afresh within the same run; a Retry of the range check nests a
// whole run. Every run ends with its own closing steps.
TEST_F(AutoAdjustmentTest, RetryAndCancelOfItsTwoBoxes) {
    struct Case {
        const char* answers; // R: Retry, C: Cancel
        // T: time-out, O: out of range; the balance is unsettled while a time-out is to come.
        std::string boxes;
        int runs;
        double firstBoxMin, firstBoxMax, laterBoxGap; // virtual seconds
    };
    const Case cases[] = {
        {"RC", "TT", 1, 102, 105, 102}, {"R", "TO", 1, 102, 105, 8}, {"RRC", "OOO", 3, 8, 30, 8}};
    click(MainId::Start);
    type(1192, QStringLiteral("100")); // Blue Max below what the lamp needs
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes);
        vx3sim::setWhiteBalanceUnstable(c.boxes[0] == 'T');
        dialogs.messages.clear();
        QStringList boxes;
        for (char box : c.boxes) {
            boxes << (box == 'T' ? text::Timeout : text::OutOfRange);
        }
        for (const char* answer = c.answers; *answer != '\0'; ++answer) {
            dialogs.messageAnswers.push_back(*answer == 'R' ? MessageResult::Retry
                                                            : MessageResult::Cancel);
        }
        std::vector<double> shownAfter;
        const double before = seconds();
        dialogs.onMessage = [&](const MessageRequest& box) {
            shownAfter.push_back(seconds() - before);
            EXPECT_EQ(std::tuple(box.buttons, box.icon, box.modality),
                      std::tuple(MessageButtons::RetryCancel, MessageIcon::Stop, Modality::System));
            vx3sim::setWhiteBalanceUnstable(
                c.boxes[std::min(shownAfter.size(), c.boxes.size() - 1)] == 'T');
        };
        vx3sim::clearLog();
        click(MainId::GetAutoAdjValues);
        EXPECT_EQ(dialogs.messageTexts(), boxes);
        ASSERT_EQ(shownAfter.size(), static_cast<std::size_t>(boxes.size()));
        EXPECT_GE(shownAfter[0], c.firstBoxMin);
        EXPECT_LT(shownAfter[0], c.firstBoxMax);
        for (std::size_t i = 1; i < shownAfter.size(); ++i) {
            EXPECT_GE(shownAfter[i] - shownAfter[i - 1], c.laterBoxGap);
        }
        EXPECT_EQ(std::ranges::count_if(
                      registerWrites(),
                      [](auto write) { return write.first == 0x12 && (write.second & 4) == 0; }),
                  c.runs);
        expectClosingState();
    }
}

// A camera whose switch to automatic is lost stays on the initial values: the range check and
// the display of exactly those values. A value the gains cannot take ends the wait silently.
TEST_F(AutoAdjustmentTest, RangeBoundsAreIncludedAndHexHasTwoUpperCaseDigits) {
    const std::array<const char*, 9> cases[] = {
        // initial blue, red; blue min, max; red min, max; accepted; blue, red in hex
        {"110", "25", "110", "110", "25", "25", "yes", "6E", "19"},
        {"110", "25", "111", "245", "0", "245", "", "6E", "19"},
        {"110", "25", "0", "109", "0", "245", "", "6E", "19"},
        {"110", "25", "0", "245", "26", "245", "", "6E", "19"},
        {"110", "25", "0", "245", "0", "24", "", "6E", "19"},
        {"5", "138", "0", "245", "0", "245", "yes", "05", "8A"},
    };
    click(MainId::Start);
    vx3sim::failFunction("VX3_EST_SetAdrsData");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c[0]) + " " + c[2] + " " + c[3] + " " + c[4] + " " + c[5]);
        const int ids[] = {1228, 1229, 1191, 1192, 1189, 1190};
        for (int i = 0; i < 6; ++i) {
            type(ids[i], QString::fromLatin1(c[i]));
        }
        dialogs.messages.clear();
        QSignalSpy bar(window->m_progress, &QProgressBar::valueChanged);
        const double before = seconds();
        click(MainId::GetAutoAdjValues);
        // Three equal readings, 2 s apart after the first 2 s.
        EXPECT_EQ(positions(bar), (QList<int>{20, 40, 1}));
        EXPECT_NEAR(seconds() - before, 8.0, 0.5);
        EXPECT_EQ(dialogs.messageTexts(), *c[6] ? QStringList{} : QStringList{text::OutOfRange});
        EXPECT_EQ(QStringList({shown(1195), shown(1193), shown(1196), shown(1194)}),
                  QStringList({c[0], c[1], c[7], c[8]}));
    }
    vx3sim::clearFaults();
    type(1228, QStringLiteral("300")); // more than the camera's gains take
    dialogs.messages.clear();
    const double before = seconds();
    click(MainId::GetAutoAdjValues);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_LT(seconds() - before, 1.0);
    expectClosingState();
}

} // namespace
} // namespace halvex::test
