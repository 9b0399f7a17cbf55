// "Get Manual Adj. Values", "Get RGB" and the panel's edit handlers.
#include "CalibrationFixture.h"

#include <QRegularExpression>
#include <QWindow>

namespace halvex::test {
namespace {

const QString kRatioOut =
    QStringLiteral("One or more of the pixel ratio is out of range. To fix \nthis problem, you "
                   "can change the settings of the device or \nchange the limits of the pixel "
                   "ratio.");
const QRegularExpression kMeasurement(
    QStringLiteral(R"(^ Blue = (\d+)    Red = (\d+)    Green = (\d+)    R/B = (\d\.\d\d)    )"
                   R"(B/G = (\d\.\d\d)    R/G = (\d\.\d\d)$)"));
const QRegularExpression kProcessing(QStringLiteral(R"(^Processing\.\.\. (-?\d+)\.\d\d%$)"));

class ManualAdjustmentTest : public CalibrationTest {
protected:
    // Runs the procedure by its button, counting its passes (one frame each, after the
    // overlay's first).
    void run() {
        vx3sim::clearLog();
        click(MainId::GetManualAdjValues);
        passes = continues() - 1;
    }
    void expectFinished() {
        expectIdle();
        EXPECT_EQ(window->m_nAdjustState, 0);
        EXPECT_FALSE(window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(kMeasurement.match(window->m_strMessage).hasMatch())
            << qPrintable(window->m_strMessage);
        // The Zone 1 frame alone is the overlay of a measurement.
        EXPECT_EQ(window->m_bOverlayOn, 1);
        EXPECT_EQ(window->m_bZone1FieldDisplay, 1);
        EXPECT_EQ(window->m_bCrossHairs + window->m_bConcentricCircles + window->m_bFieldDisplay,
                  0);
    }
    // A tolerance no pass can meet (the box takes digits only): every run times out.
    void unreachableTolerance() {
        click(MainId::Start);
        window->m_strTolerance = QStringLiteral("-1");
        window->updateData(false);
    }
    int passes = 0;
};

// The passes are the same on every known sensor.
TEST_F(ManualAdjustmentTest, ConvergesByTheTolerance) {
    click(MainId::Start);
    // What the status and message lines showed at each pause, and the window's place.
    QStringList statuses;
    QStringList messages;
    bool topmost = false;
    time.onSleep = [&](int) {
        topmost = window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        statuses << shown(MainId::Status);
        messages << shown(MainId::Message);
    };
    QSignalSpy bar(window->m_progress, &QProgressBar::valueChanged);
    const double before = seconds();
    run();
    time.onSleep = nullptr;

    EXPECT_TRUE(dialogs.messages.empty()) << qPrintable(dialogs.messageTexts().join(u'|'));
    EXPECT_TRUE(topmost);
    EXPECT_LT(seconds() - before, 100.0);
    EXPECT_GE(passes, 1);
    const auto [blue, red] = shownGains();
    EXPECT_EQ(vx3sim::peekRegister(0x01), blue);
    EXPECT_EQ(vx3sim::peekRegister(0x02), red);
    const auto m = kMeasurement.match(window->m_strMessage);
    ASSERT_TRUE(m.hasMatch());
    const int g = m.captured(3).toInt();
    EXPECT_LE(std::abs(m.captured(1).toInt() - g), 2); // the last pass met the tolerance
    EXPECT_LE(std::abs(m.captured(2).toInt() - g), 2);
    expectFinished();

    // Each pass shows its match percentage, which the bar takes from 0 up, over its
    // measurement.
    int shownPasses = 0;
    for (int i = 0; i < statuses.size(); ++i) {
        const auto p = kProcessing.match(statuses[i]);
        if (p.hasMatch() && (i == 0 || statuses[i - 1] != statuses[i])) {
            ++shownPasses;
            EXPECT_TRUE(kMeasurement.match(messages[i]).hasMatch()) << qPrintable(messages[i]);
            EXPECT_TRUE(positions(bar).contains(std::clamp(p.captured(1).toInt(), 1, 100)));
        }
    }
    EXPECT_GE(shownPasses, 1);
    EXPECT_LE(shownPasses, passes);
}

TEST_F(ManualAdjustmentTest, StartsFromTheInitialValuesWithWhiteBalanceManual) {
    click(MainId::Start);
    type(1210, QStringLiteral("120"));
    type(1209, QStringLiteral("40"));
    std::vector<int> atFirstPause; // blue, red, COMA's white balance bit
    time.onSleep = [&](int) {
        if (atFirstPause.empty()) {
            atFirstPause = {vx3sim::peekRegister(0x01), vx3sim::peekRegister(0x02),
                            vx3sim::peekRegister(0x12) & 0x04};
        }
    };
    click(MainId::GetManualAdjValues);
    time.onSleep = nullptr;
    EXPECT_EQ(atFirstPause, (std::vector<int>{120, 40, 0}));
}

TEST_F(ManualAdjustmentTest, TimeoutWithoutRatioCheckBeepsAndOffersRetry) {
    unreachableTolerance();
    for (const std::deque<MessageResult>& answers :
         {std::deque{MessageResult::Cancel}, {MessageResult::Retry, MessageResult::Cancel}}) {
        SCOPED_TRACE(answers.size());
        dialogs.messages.clear();
        dialogs.beeps = 0;
        dialogs.messageAnswers = answers;
        type(1210, QStringLiteral("110"));
        type(1209, QStringLiteral("25"));
        std::vector<double> shownAfter;
        const double before = seconds();
        dialogs.onMessage = [&](const MessageRequest&) {
            shownAfter.push_back(seconds() - before);
        };
        run();
        EXPECT_EQ(dialogs.messageTexts(),
                  QStringList(static_cast<int>(answers.size()), text::Timeout));
        EXPECT_EQ(dialogs.beeps, static_cast<int>(answers.size()));
        EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::RetryCancel);
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(dialogs.messages[0].modality, Modality::System);
        ASSERT_FALSE(shownAfter.empty());
        EXPECT_GE(shownAfter[0], 103.0); // 3 s to settle, then 100 s of passes
        EXPECT_LT(shownAfter[0], 106.0);
        // A Retry restarts from the values the first run had reached.
        EXPECT_EQ(shown(1210) == QStringLiteral("110"), answers.size() == 1);
        EXPECT_EQ(shown(1209) == QStringLiteral("25"), answers.size() == 1);
        expectFinished();
    }
}

TEST_F(ManualAdjustmentTest, AutoRatioCheckContinuesByTheRatiosAfterTheTimeout) {
    unreachableTolerance();
    click(1231);
    ASSERT_EQ(window->m_bAutoRatioCheck, 1);
    // R/B limits the ratios lie strictly inside, then outside.
    for (const auto& [rbMin, rbMax, messages] :
         {std::tuple{0.8f, 1.2f, QStringList{}}, {1.5f, 2.0f, QStringList{kRatioOut}}}) {
        SCOPED_TRACE(rbMin);
        window->m_fRatioRbMin = rbMin;
        window->m_fRatioRbMax = rbMax;
        window->updateData(false);
        dialogs.messages.clear();
        int passesAtRestart = -1;
        time.onSleep = [&](int milliseconds) {
            if (milliseconds > 0 && window->m_nAdjustState == 1 && passesAtRestart < 0) {
                passesAtRestart = continues();
            }
        };
        run();
        time.onSleep = nullptr;
        EXPECT_EQ(dialogs.messageTexts(), messages);
        EXPECT_EQ(dialogs.beeps, 0);
        // The restarted run: its overlay frame and one pass, then the finish.
        ASSERT_GE(passesAtRestart, 0);
        EXPECT_EQ(continues() - passesAtRestart, 2);
        expectFinished();
    }
}

TEST_F(ManualAdjustmentTest, GetRgbMeasuresWhatTheLiveAreaShows) {
    // Before any live view the area is black: every average and ratio reads 0.
    window->controls().enable(MainId::GetRgb, true);
    click(MainId::GetRgb);
    EXPECT_EQ(shown(MainId::Message),
              QStringLiteral(" Blue = 0    Red = 0    Green = 0    R/B = 0.00    B/G = 0.00    "
                             "R/G = 0.00"));
    EXPECT_EQ(shown(MainId::Status), text::LiveImage);

    startLiveView();
    click(MainId::GetRgb);
    const auto m = kMeasurement.match(shown(MainId::Message));
    ASSERT_TRUE(m.hasMatch()) << qPrintable(shown(MainId::Message));
    EXPECT_GT(m.captured(3).toInt(), 100);
    EXPECT_EQ(window->m_bZone1FieldDisplay, 1);

    click(MainId::Stop);
    click(MainId::GetRgb);
    EXPECT_TRUE(
        shown(MainId::Message).startsWith(QStringLiteral(" Blue = 0    Red = 0    Green = 0")));
}

TEST_F(ManualAdjustmentTest, PanelHandlersClampTheLimits) {
    type(1212, QStringLiteral("300"));
    EXPECT_EQ(shown(1212), QStringLiteral("255"));
    EXPECT_EQ(window->m_strGreenMax, QStringLiteral("255"));
    type(1213, QStringLiteral("256"));
    EXPECT_EQ(shown(1213), QStringLiteral("255"));
    type(1210, QStringLiteral("300")); // the initial values are not clamped
    EXPECT_EQ(window->m_strInitialBlue, QStringLiteral("300"));

    // Every ratio box takes its value whole; the framework's range message for the boxes with a
    // range is the start-up tests' part.
    for (const auto& [id, member] : {std::pair{1218, &CameraDataDialog::m_fRatioRbMax},
                                     {1219, &CameraDataDialog::m_fRatioRbMin},
                                     {1226, &CameraDataDialog::m_fRatioBgMax},
                                     {1220, &CameraDataDialog::m_fRatioBgMin},
                                     {1227, &CameraDataDialog::m_fRatioRgMax},
                                     {1232, &CameraDataDialog::m_fRatioRgMin}}) {
        SCOPED_TRACE(id);
        type(id, QStringLiteral("2.5"));
        EXPECT_EQ(shown(id), QStringLiteral("2"));
        EXPECT_EQ(window.get()->*member, 2.0f);
        type(id, QStringLiteral("1.1"));
        EXPECT_EQ(window.get()->*member, 1.1f);
    }
}

} // namespace
} // namespace halvex::test
