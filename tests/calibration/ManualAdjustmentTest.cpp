// "Get Manual Adj. Values", "Get RGB" and the panel's edit handlers.
#include "CalibrationFixture.h"
#include "framework/SurfaceWidget.h"

#include <QPainter>
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

// White balance is made manual on both sensors only; a tolerance of 255 ends the first pass. The
// window stays on top while the procedure runs and the camera keeps the gains it shows. How the
// passes converge on a nominal unit is the calibrate command's part.
TEST_F(ManualAdjustmentTest, StartsFromTheInitialValuesWithWhiteBalanceManual) {
    // At the first pause: COMA's white balance bit, blue, red (another sensor's automatic balance
    // keeps gains of its own).
    for (const auto& [sensor, atFirstPause] : {std::pair{"OV7610", std::vector{0, 120, 40}},
                                               {"OV7620", {0, 120, 40}},
                                               {"VX-PROTO", {4, 0, 0}}}) {
        SCOPED_TRACE(sensor);
        restart(sensor);
        click(MainId::Start);
        window->m_registerAccess.SetRegister(QStringLiteral("12,04,04")); // automatic balance
        type(1210, QStringLiteral("120"));
        type(1209, QStringLiteral("40"));
        type(1214, QStringLiteral("255"));
        std::vector<int> firstPause;
        bool topmost = false;
        time.onSleep = [&](int) {
            topmost = window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
            if (firstPause.empty()) {
                firstPause = {vx3sim::peekRegister(0x12) & 0x04, vx3sim::peekRegister(0x01),
                              vx3sim::peekRegister(0x02)};
            }
        };
        run();
        time.onSleep = nullptr;
        EXPECT_EQ(firstPause, atFirstPause);
        EXPECT_EQ(passes, 1);
        EXPECT_TRUE(topmost);
        EXPECT_TRUE(dialogs.messages.empty());
        const auto [blue, red] = shownGains();
        EXPECT_EQ(vx3sim::peekRegister(0x01) << 8 | vx3sim::peekRegister(0x02), blue << 8 | red);
        expectFinished();
    }
}

// One pass over a live area of one flat colour, from the gains the camera takes as its frame is
// painted: the gains the pass writes, and whether the run ends there or goes on to a next pass
// (which a black area ends with the green box). The pass before it, on the camera's own image,
// cannot converge.
TEST_F(ManualAdjustmentTest, APassOverAFlatColour) {
    struct Case {
        std::array<std::uint8_t, 3> bgr;
        const char* tolerance;
        const char* greenMin;
        const char* greenMax;
        int state; // 1: judged by the ratios from the pass's pause (R/B Min 1, the others inside)
        WhiteBalanceValue before; // blue, red
        std::pair<int, int> written;
        const char* status; // status line and bar the next pass found; nullptr: the run ends
    };
    const Case cases[] = {
        // R = G + 3 with tol 2: s = 2; red 10 becomes 8, red 2 stays 2.
        {{100, 100, 103}, "2", "100", "230", 0, {50, 10}, {50, 8}, "Processing... 97.00% 97"},
        {{100, 100, 103}, "2", "100", "230", 0, {50, 2}, {50, 2}, "Processing... 97.00% 97"},
        // d = 10 gives 4; both channels exactly on the tolerance's bounds converge.
        {{90, 100, 110}, "10", "100", "230", 0, {50, 60}, {54, 56}, nullptr},
        // 356 is 100 on its low 8 bits.
        {{100, 100, 100}, "0", "356", "356", 0, {50, 60}, {50, 60}, nullptr},
        // R/B = 1.00 equals its Min: the next pass follows.
        {{100, 100, 100}, "-1", "100", "230", 1, {50, 60}, {50, 60}, "Processing... 100.00% 100"},
    };
    unreachableTolerance();
    type(1219, QStringLiteral("1"));
    type(1213, QStringLiteral("0"));
    type(1212, QStringLiteral("255"));
    const auto showFlat = [this](std::array<std::uint8_t, 3> bgr) {
        for (int pixel = 0; pixel < 640 * 480; ++pixel) {
            std::copy(bgr.begin(), bgr.end(), window->m_pFrameBuffer.get() + 3 * pixel);
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bgr[0] + 1000 * c.bgr[2] + 1000000 * c.state);
        dialogs.messages.clear();
        std::vector<std::pair<int, int>> written;
        int pauses = 0; // the settling one, then one per pass
        bool armed = false;
        // The camera's gains change after the first pass showed them, as its frame is painted.
        const PaintRecorder gainsChange(window->control(MainId::LiveArea), [&] {
            if (armed && window->m_strStatus.startsWith(QLatin1String("Processing"))) {
                armed = false;
                VX3_WB_SetWbVal(&c.before);
            }
        });
        std::size_t seen = 0;
        time.onSleep = [&](int) {
            if (vx3sim::log().size() == seen || ++pauses == 1) { // the same pause goes on
                seen = vx3sim::log().size();
                return;
            }
            if (pauses == 2) {
                armed = true;
                CalibrationPanelValues& panel = window->m_calibration.m_panel;
                panel.tolerance = QString::fromLatin1(c.tolerance);
                panel.greenMin = QString::fromLatin1(c.greenMin);
                panel.greenMax = QString::fromLatin1(c.greenMax);
                showFlat(c.bgr);
            } else {
                window->m_nAdjustState = c.state;
                written.emplace_back(vx3sim::peekRegister(0x01), vx3sim::peekRegister(0x02));
                showFlat({0, 0, 0});
            }
            seen = vx3sim::log().size();
        };
        QString status;
        dialogs.onMessage = [&](const MessageRequest&) {
            status = shown(MainId::Status) + QString::asprintf(" %d", window->m_progress->value());
        };
        run();
        time.onSleep = nullptr;
        dialogs.onMessage = nullptr;
        EXPECT_EQ(written, (std::vector{c.written}));
        EXPECT_EQ(dialogs.messageTexts(), c.status ? QStringList{text::GreenOut} : QStringList{});
        EXPECT_EQ(status, QString::fromLatin1(c.status));
        expectFinished();
    }
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
        double firstBox = 0.0;
        const double before = seconds();
        dialogs.onMessage = [&](const MessageRequest& box) {
            firstBox = firstBox > 0.0 ? firstBox : seconds() - before;
            EXPECT_EQ(std::tuple(box.buttons, box.icon, box.modality),
                      std::tuple(MessageButtons::RetryCancel, MessageIcon::None, Modality::System));
        };
        run();
        EXPECT_EQ(dialogs.messageTexts(),
                  QStringList(static_cast<int>(answers.size()), text::Timeout));
        EXPECT_EQ(dialogs.beeps, static_cast<int>(answers.size()));
        EXPECT_NEAR(firstBox, 104.5, 1.5); // 3 s to settle, then 100 s of passes
        // A Retry restarts from the values the first run had reached.
        EXPECT_EQ(shown(1210) + u' ' + shown(1209) == QStringLiteral("110 25"),
                  answers.size() == 1);
        expectFinished();
    }
}

TEST_F(ManualAdjustmentTest, AutoRatioCheckContinuesByTheRatiosAfterTheTimeout) {
    unreachableTolerance();
    click(1231);
    ASSERT_EQ(window->m_bAutoRatioCheck, 1);
    // R/B limits the ratios lie strictly inside, then outside.
    for (const auto& [rbMin, rbMax, messages] :
         {std::tuple{"0.8", "1.2", QStringList{}}, {"1.5", "2", QStringList{kRatioOut}}}) {
        SCOPED_TRACE(rbMin);
        type(1219, QString::fromLatin1(rbMin));
        type(1218, QString::fromLatin1(rbMax));
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
        EXPECT_EQ(continues() - passesAtRestart, 2);
        expectFinished();
    }
}

TEST_F(ManualAdjustmentTest, GetRgbMeasuresWhatTheLiveAreaShows) {
    // Before any live view the area is black: every average and ratio reads 0.
    const QString black = QStringLiteral(
        " Blue = 0    Red = 0    Green = 0    R/B = 0.00    B/G = 0.00    R/G = 0.00");
    window->controls().enable(MainId::GetRgb, true);
    click(MainId::GetRgb);
    EXPECT_EQ(shown(MainId::Message), black);
    EXPECT_EQ(shown(MainId::Status), text::LiveImage);

    // The button stays clickable over the live image. A frame of one colour, white where the
    // button covers it: only the frame's pixels count.
    click(MainId::Start);
    QWidget* getRgb = window->control(MainId::GetRgb);
    ASSERT_EQ(window->clientArea()->childAt(getRgb->geometry().center()), getRgb);
    QImage& frame = window->LiveArea()->surface();
    frame.fill(qRgb(40, 80, 120));
    QPainter(&frame).fillRect(getRgb->geometry(), Qt::white);
    QTest::mouseClick(getRgb, Qt::LeftButton);
    EXPECT_EQ(shown(MainId::Message), QStringLiteral(" Blue = 120    Red = 40    Green = 80    "
                                                     "R/B = 0.33    B/G = 1.50    R/G = 0.50"));
    EXPECT_EQ(window->m_bZone1FieldDisplay, 1);

    click(MainId::Stop);
    click(MainId::GetRgb);
    EXPECT_EQ(shown(MainId::Message), black);
}

// The green limits are clamped to 255 and the ratio limits to 2 as they are typed (the framework's
// range message is the start-up tests' part); the initial values and a ratio in range stay as
// typed.
TEST_F(ManualAdjustmentTest, PanelHandlersClampTheLimits) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {1212, "300", "255"}, {1213, "256", "255"}, {1210, "300", "300"}, {1218, "2.5", "2"},
        {1219, "2.5", "2"},   {1226, "2.5", "2"},   {1220, "2.5", "2"},   {1227, "2.5", "2"},
        {1232, "2.5", "2"},   {1232, "1.1", "1.1"},
    };
    for (const auto& [id, typed, clamped] : cases) {
        type(id, QString::fromLatin1(typed));
        EXPECT_EQ(shown(id), QLatin1String(clamped)) << id;
    }
}

} // namespace
} // namespace halvex::test
