// A numbered series from the simulated camera: files, numbering, pacing, Stop and camera failures.
#include <QCoreApplication>
#include <QFile>

#include "CameraFixture.h"

using quorvin::ImageFormat;
using quorvin::SequentialCapture;
using State = quorvin::SequentialCapture::State;

namespace {

using SeriesTest = CameraFixture;

TEST_F(SeriesTest, EveryWritableFormatGivesFullFramesNumberedOnAcrossSeries) {
    QStringList expected;
    for (const quorvin::ImageFormatInfo& info : quorvin::imageFormats()) {
        if (quorvin::isWritable(info.format)) {
            SequentialCapture capture;
            ASSERT_TRUE(capture.start(plan(info.format, 2)));
            capture.captureNext();
            EXPECT_EQ(capture.state(), State::Complete) << info.label;
            EXPECT_FALSE(capture.isWaiting());
            const int first = static_cast<int>(expected.size()) + 1;
            for (int n = first; n < first + 2; ++n) {
                expected << SequentialCapture::fileName(QStringLiteral("IMG"), n, info.format);
            }
        }
    }
    expected.sort();
    expectImages(expected);
    EXPECT_EQ(expected.front(), QStringLiteral("IMG0001.jpg"));
}

TEST_F(SeriesTest, TheIntervalRunsOnTheTimerWithoutBlocking) {
    SequentialCapture capture;
    ASSERT_TRUE(capture.start(plan(ImageFormat::Jpeg, 3)));
    EXPECT_EQ(capture.captured(), 1);
    EXPECT_TRUE(capture.isWaiting());
    EXPECT_EQ(capture.pendingDelayMilliseconds(), 2000);
    capture.stop();
    EXPECT_EQ(capture.statusText(), QStringLiteral("Stopped after 1 of 3 images."));
    EXPECT_FALSE(capture.isWaiting());

    // With the interval scaled to nothing the event loop alone finishes a series.
    capture.setTimeScale(0);
    ASSERT_TRUE(capture.start(plan(ImageFormat::Jpeg, 2)));
    for (int turn = 0; turn < 100 && capture.isRunning(); ++turn) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(capture.state(), State::Complete);
    expectImages({"IMG0001.jpg", "IMG0002.jpg", "IMG0003.jpg"});
}

TEST_F(SeriesTest, NumberingContinuesAfterEarlierFilesAndNeverOverwrites) {
    QFile earlier(path(QStringLiteral("img0041.bmp")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("technician's data");
    earlier.close();
    EXPECT_EQ(SequentialCapture::firstFreeNumber(m_folder.path(), QStringLiteral("IM")), 1);
    EXPECT_EQ(SequentialCapture::fileName(QStringLiteral("a%2"), 12345, ImageFormat::Bmp),
              QStringLiteral("a%212345.bmp"));

    SequentialCapture capture;
    ASSERT_TRUE(capture.start(plan(ImageFormat::Jpeg, 2)));
    EXPECT_EQ(capture.lastFile(), path(QStringLiteral("IMG0042.jpg")));
    earlier.copy(path(QStringLiteral("IMG0043.jpg"))); // appears during the series
    capture.captureNext();
    EXPECT_EQ(capture.lastFile(), path(QStringLiteral("IMG0044.jpg")));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("technician's data"));
}

TEST_F(SeriesTest, FailuresAreReportedAndStopTheSeries) {
    const struct {
        const char* function;
        ImageFormat format;
        int failingCall;
        int imagesBefore;
    } cases[] = {
        {"VX3_SIA_CaptureJpg", ImageFormat::Jpeg, 2, 1},
        {"VX3_SIA_SaveImageJpg", ImageFormat::Jpeg, 1, 0},
        {"VX3_SIA_CaptureBmp", ImageFormat::Bmp, 3, 2},
        {"VX3_SIA_GetImageInfo", ImageFormat::Bmp, 1, 0},
        {"VX3_SIA_SaveImageBmp", ImageFormat::Bmp, 2, 1},
    };
    for (const auto& c : cases) {
        vx3sim::clearFaults();
        vx3sim::failFunction(c.function, c.failingCall);
        SequentialCapture capture;
        EXPECT_TRUE(capture.start(plan(c.format, 4)));
        while (capture.isRunning()) {
            capture.captureNext();
        }
        EXPECT_EQ(capture.state(), State::Failed);
        EXPECT_EQ(capture.captured(), c.imagesBefore);
        EXPECT_TRUE(capture.statusText().contains(QLatin1StringView(c.function))) << c.function;
    }

    // Plans that cannot run are refused before the camera takes anything.
    vx3sim::failFunction("VX3_SIA_SetImageSize");
    quorvin::SeriesPlan noFolder = plan(ImageFormat::Jpeg, 1), slash = noFolder;
    noFolder.folder = path(QStringLiteral("missing"));
    slash.prefix = QStringLiteral("a/b");
    for (const auto& [refused, reason] : {std::pair{noFolder, "does not exist"},
                                          {slash, "prefix"},
                                          {plan(ImageFormat::Jpeg, 1), "VX3_SIA_SetImageSize"}}) {
        SequentialCapture capture;
        EXPECT_FALSE(capture.start(refused));
        EXPECT_EQ(capture.state(), State::Idle);
        EXPECT_TRUE(capture.statusText().contains(QLatin1StringView(reason))) << reason;
    }
}

} // namespace
