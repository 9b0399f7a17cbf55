// Numbered series from the simulated camera (files, pacing, Stop, failures), the window CExport
// opens modally as the host does, and the camera's bitmap converted for Qt's writers.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

#include "DibImage.h"
#include "Quorvin.h"
#include "SequentialCaptureWindow.h"
#include "VX3Sim.h"

using quorvin::ImageFormat;
using quorvin::SequentialCapture;
using State = quorvin::SequentialCapture::State;
using Window = quorvin::SequentialCaptureWindow;

namespace {

// A freshly opened camera and an empty image folder, as the host leaves them.
class SeriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        vx3sim::setDeviceLockPath("");
        vx3sim::reset();
        ASSERT_NE(VX3_InitCamera(nullptr), 0);
        ASSERT_TRUE(m_folder.isValid());
    }

    QString path(const QString& name) const { return m_folder.filePath(name); }
    quorvin::SeriesPlan plan(ImageFormat format, int count) const {
        return {m_folder.path(), QStringLiteral("IMG"), format, 2, count};
    }
    // The folder holds exactly these files, each a 640 x 480 image.
    void expectImages(const QStringList& names) const {
        EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), names);
        for (const QString& name : names) {
            EXPECT_EQ(QImage(path(name)).size(), QSize(640, 480)) << name.toStdString();
        }
    }

    QTemporaryDir m_folder;
};

// With the interval scaled to nothing the event loop alone finishes a series; every writable
// format gives full frames, numbered on across series.
TEST_F(SeriesTest, EveryWritableFormatGivesFullFramesNumberedOnAcrossSeries) {
    const bool tiff = quorvin::isWritable(ImageFormat::Tiff); // not every Qt has its writer
    for (const ImageFormat format : {ImageFormat::Jpeg, ImageFormat::Tiff, ImageFormat::Bmp}) {
        if (format != ImageFormat::Tiff || tiff) {
            SequentialCapture capture;
            capture.setTimeScale(0);
            ASSERT_TRUE(capture.start(plan(format, 2)));
            for (int turn = 0; turn < 100 && capture.isRunning(); ++turn) {
                QApplication::processEvents();
            }
            EXPECT_EQ(capture.state(), State::Complete);
        }
    }
    expectImages(tiff ? QStringList{"IMG0001.jpg", "IMG0002.jpg", "IMG0003.tif", "IMG0004.tif",
                                    "IMG0005.bmp", "IMG0006.bmp"}
                      : QStringList{"IMG0001.jpg", "IMG0002.jpg", "IMG0003.bmp", "IMG0004.bmp"});
}

TEST_F(SeriesTest, NumberingContinuesAfterEarlierFilesAndNeverOverwrites) {
    QFile earlier(path(QStringLiteral("img0041.bmp")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("technician's data");
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

// Stop ends the wait; a camera failure stops the series and names the function; plans that
// cannot run are refused before the camera takes anything.
TEST_F(SeriesTest, StopAndFailuresEndTheSeriesWithTheirReason) {
    SequentialCapture stopped;
    ASSERT_TRUE(stopped.start(plan(ImageFormat::Jpeg, 3)));
    EXPECT_EQ(stopped.pendingDelayMilliseconds(), 2000);
    stopped.stop();
    EXPECT_EQ(stopped.statusText(), QStringLiteral("Stopped after 1 of 3 images."));
    EXPECT_FALSE(stopped.isWaiting());

    const struct {
        const char* function;
        ImageFormat format;
        int failingCall, imagesBefore;
    } cases[] = {{"VX3_SIA_CaptureJpg", ImageFormat::Jpeg, 2, 1},
                 {"VX3_SIA_SaveImageJpg", ImageFormat::Jpeg, 1, 0},
                 {"VX3_SIA_CaptureBmp", ImageFormat::Bmp, 3, 2},
                 {"VX3_SIA_GetImageInfo", ImageFormat::Bmp, 1, 0},
                 {"VX3_SIA_SaveImageBmp", ImageFormat::Bmp, 2, 1}};
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

TEST_F(SeriesTest, ShowWindowRunsASeriesFromTheSettingsAndReturnsTheImagesWritten) {
    QFile ini(path(QStringLiteral("default.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[CaptureScreenParameter]\nAutosaveLocation=.\nAutosavePrefix=\"Seq\"\n"
              "SnapshotDefaultFormat=2\n");
    ini.close();
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        auto* start = window->findChild<QPushButton*>(QLatin1StringView(Window::StartName));
        auto* prefix = window->findChild<QLineEdit*>(QLatin1StringView(Window::PrefixName));
        EXPECT_EQ(prefix->text(), QStringLiteral("Seq"));
        window->findChild<QSpinBox*>(QLatin1StringView(Window::CountName))->setValue(2);
        window->capture().setTimeScale(0);
        start->click();
        EXPECT_FALSE(start->isEnabled());
        EXPECT_FALSE(prefix->isEnabled());
        for (int turn = 0; turn < 100 && window->capture().isRunning(); ++turn) {
            QApplication::processEvents();
        }
        window->accept();
    });
    EXPECT_EQ(CExport().ShowWindow(ini.fileName()), 2);
    ini.remove();
    expectImages({"Seq0001.bmp", "Seq0002.bmp"});
}

BITMAPINFOHEADER header(std::int32_t width, std::int32_t height, std::uint16_t bits = 24,
                        std::uint32_t compression = 0) {
    return {sizeof(BITMAPINFOHEADER), width, height, 1, bits, compression, 0, 0, 0, 0, 0};
}

TEST(DibImage, KeepsRowAndColourOrderAndRefusesWhatItCannotHonour) {
    // 2 x 2, blue-green-red, rows padded from 6 to 8 bytes: red, green / blue, rgb(7, 8, 9).
    const std::vector<std::uint8_t> rows = {0,   0, 255, 0, 255, 0, 0xEE, 0xEE,
                                            255, 0, 0,   9, 8,   7, 0xEE, 0xEE};
    const QImage bottomUp = quorvin::imageFromDib(header(2, 2), rows.data(), rows.size());
    ASSERT_EQ(bottomUp.size(), QSize(2, 2));
    EXPECT_EQ(bottomUp.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(bottomUp.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(bottomUp.pixel(1, 0), qRgb(7, 8, 9));
    EXPECT_EQ(quorvin::imageFromDib(header(2, -2), rows.data(), rows.size()).pixel(1, 1),
              qRgb(7, 8, 9));
    for (const BITMAPINFOHEADER& h : {header(2, 2, 32), header(2, 2, 24, 1), header(0, 2),
                                      header(3, 2), header(2, 3), header(100000, 1)}) {
        EXPECT_TRUE(quorvin::imageFromDib(h, rows.data(), rows.size()).isNull()) << h.biWidth;
    }
}

} // namespace
