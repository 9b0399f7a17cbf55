// While a calibration sequence runs, input and the live-view timer are held off, but the window
// keeps painting: the progress shows at once and expose requests are answered during the pauses.
#include "CalibrationFixture.h"

#include <QMouseEvent>
#include <chrono>
#include <thread>

namespace halvex::test {
namespace {

class BlockingTest : public CalibrationTest {
protected:
    void SetUp() override {
        CalibrationTest::SetUp();
        click(MainId::Start);
    }
    // A click on a control as the window system would queue it.
    void postClick(int id) {
        QWidget* target = window->control(id);
        const QPointF centre = QRectF(target->rect()).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QCoreApplication::postEvent(
                target, new QMouseEvent(type, centre, target->mapToGlobal(centre), Qt::LeftButton,
                                        Qt::LeftButton, Qt::NoModifier));
        }
    }
};

TEST_F(BlockingTest, AClickDuringAWaitIsNotHandledTheTimerNotServedAndACloseRefused) {
    vx3sim::clearLog();
    bool posted = false;
    time.onSleep = [&](int) {
        if (!std::exchange(posted, true)) {
            postClick(MainId::Stop);
            QCoreApplication::postEvent(window.get(), new QCloseEvent);
            // Let the 1 ms live-view timer fall due in real time as well.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    };
    click(MainId::GetAutoAdjValues);
    time.onSleep = nullptr;
    ASSERT_TRUE(posted);
    EXPECT_FALSE(window->hasEnded());
    EXPECT_EQ(continues(), 0); // the procedure draws no frame and no tick was served
    QCoreApplication::processEvents();
    EXPECT_NE(VX3_LV_IsMovieRunning(), 0); // Stop never ran
    EXPECT_TRUE(window->controls().isEnabled(MainId::Stop));
    EXPECT_TRUE(window->isTimerRunning(CameraDataDialog::LiveViewTimerId));

    // Once the procedure has ended, clicks and ticks are served again.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    QCoreApplication::processEvents();
    EXPECT_GT(continues(), 0);
    postClick(MainId::Stop);
    QCoreApplication::processEvents();
    EXPECT_EQ(VX3_LV_IsMovieRunning(), 0);
}

TEST_F(BlockingTest, TheBarIsPaintedDuringTheWaitAndExposeIsAnswered) {
    QList<int> painted;
    PaintRecorder bar(window->m_progress, [&] { painted << window->m_progress->value(); });
    QWidget* status = window->control(MainId::Status);
    PaintRecorder statusPaints(status);

    QList<int> paintedAtPause;
    int exposeRequests = 0;
    int unanswered = 0; // requests not painted by the next slice of the pause
    int paintsBefore = 0;
    time.onSleep = [&](int) {
        paintedAtPause << (painted.isEmpty() ? -1 : painted.back());
        unanswered += exposeRequests > 0 && statusPaints.paints == paintsBefore ? 1 : 0;
        // As when another window uncovers the status line: a repaint request, not a paint.
        status->update();
        ++exposeRequests;
        paintsBefore = statusPaints.paints;
    };
    click(MainId::GetAutoAdjValues);
    time.onSleep = nullptr;

    // While the procedure waited, the bar on the screen showed 20, then 40.
    ASSERT_TRUE(paintedAtPause.contains(20));
    EXPECT_LT(paintedAtPause.indexOf(20), paintedAtPause.indexOf(40));
    // Every request made during a pause was painted before the next slice of it.
    EXPECT_GT(exposeRequests, 10);
    EXPECT_EQ(unanswered, 0);
}

// A box of a procedure runs its own loop, in which live view goes on; once it is answered, the
// procedure's pauses hold the timer off again.
TEST_F(BlockingTest, LiveViewGoesOnWhileABoxIsOpen) {
    const auto ticksServed = [] {
        const int before = continues();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        QCoreApplication::processEvents();
        return continues() - before;
    };
    type(1192, QStringLiteral("100")); // Blue Max below what the lamp needs
    dialogs.messageAnswers = {MessageResult::Retry};
    int duringBox = -1;
    int afterBox = 0;
    dialogs.onMessage = [&](const MessageRequest&) { duringBox = ticksServed(); };
    time.onSleep = [&](int) {
        if (duringBox > 0 && afterBox == 0) {
            afterBox = ticksServed() + 1;
        }
    };
    click(MainId::GetAutoAdjValues);
    time.onSleep = nullptr;
    EXPECT_EQ(dialogs.messageTexts().first(), text::OutOfRange);
    EXPECT_GT(duringBox, 0);
    EXPECT_LE(afterBox, 1);
}

} // namespace
} // namespace halvex::test
