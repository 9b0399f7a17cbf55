// Live view, overlays and still capture of the main window.
#include "AppTestEnvironment.h"
#include "FileBytes.h"
#include "app/CameraDataDialog.h"
#include "framework/MenuBar.h"
#include "resources/ResourceIds.h"

#include <QDir>
#include <QImageReader>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstring>

namespace halvex::test {
namespace {

const QRgb kGreen = qRgb(0, 255, 0);

// The frame in the buffer as the live area must show it without overlays: a bottom-up bitmap of
// 24-bit pixels, blue first, each row padded to four bytes.
QImage frameImage(const std::uint8_t* dib, int width = 640) {
    return QImage(dib, width, 480, (width * 3 + 3) / 4 * 4, QImage::Format_BGR888)
        .mirrored()
        .convertToFormat(QImage::Format_RGB32);
}

QImage shown(const CameraDataDialog& window) {
    return window.LiveImage().copy(0, 0, 640, 480).convertToFormat(QImage::Format_RGB32);
}

using LiveViewTest = MainWindowTest;

constexpr int kGrayedWhileLive[] = {
    MenuId::FileNew,          MenuId::FileLoad,          MenuId::ApplicationDataScreen,
    MenuId::SequentialScreen, MenuId::DeviceInformation, MenuId::About};
constexpr int kOpenWhileLive[] = {MenuId::FileSave, MenuId::FileExit, MenuId::CameraDataScreen,
                                  MenuId::MaintenanceScreen};

TEST_F(LiveViewTest, StartAndStopSwitchButtonsStatusAndMenu) {
    const auto expectLive = [this](bool live) {
        EXPECT_EQ(window->controls().isEnabled(MainId::Start), !live);
        EXPECT_EQ(window->controls().isEnabled(MainId::Stop), live);
        EXPECT_TRUE(window->controls().isEnabled(MainId::GetRgb)); // Stop leaves it as it was
        EXPECT_EQ(window->controls().text(MainId::Status),
                  live ? QStringLiteral("Live image display") : QStringLiteral("Idle state"));
        EXPECT_EQ(window->isTimerRunning(CameraDataDialog::LiveViewTimerId), live);
        for (int id : kGrayedWhileLive) {
            EXPECT_EQ(window->menu()->isItemEnabled(id), !live) << id;
        }
        for (int id : kOpenWhileLive) {
            EXPECT_TRUE(window->menu()->isItemEnabled(id)) << id;
        }
        if (!live) {
            EXPECT_EQ(shown(*window).pixel(320, 240), qRgb(0, 0, 0));
            EXPECT_EQ(shown(*window).pixel(639, 479), qRgb(0, 0, 0));
        }
    };
    click(MainId::Start);
    expectLive(true);
    EXPECT_NE(VX3_LV_IsMovieRunning(), 0);
    click(MainId::Stop);
    expectLive(false);
    EXPECT_EQ(VX3_LV_IsMovieRunning(), 0);

    // A refused stop is reported (its text is the fault matrix's) and the rest of Stop still runs.
    click(MainId::Start);
    vx3sim::failFunction("VX3_LV_StopMovie");
    click(MainId::Stop);
    EXPECT_EQ(dialogs.messages.at(0).icon, MessageIcon::Exclamation);
    expectLive(false);
}

TEST_F(LiveViewTest, OverlaysAreDrawnAtTheirFixedPlaces) {
    // Each figure alone: the points it draws and points it leaves as they were.
    const std::tuple<int CameraDataDialog::*, std::vector<QPoint>, std::vector<QPoint>> cases[] = {
        {&CameraDataDialog::m_bCrossHairs,
         {{320, 0}, {320, 479}, {0, 240}, {639, 240}},
         {{321, 10}, {10, 241}}},
        {&CameraDataDialog::m_bConcentricCircles,
         {{288, 240}, {351, 240}, {256, 240}, {383, 240}},
         {{320, 240}, {300, 240}}},
        {&CameraDataDialog::m_bFieldDisplay,
         {{80, 60}, {559, 60}, {80, 419}, {559, 419}, {300, 60}},
         {{560, 420}, {81, 61}, {79, 59}}},
        {&CameraDataDialog::m_bZone1FieldDisplay,
         {{160, 120}, {479, 120}, {160, 359}, {479, 359}},
         {{480, 360}, {161, 121}}},
    };
    window->StartLiveView();
    window->m_bOverlayOn = 1;
    for (const auto& [member, on, off] : cases) {
        window->m_bCrossHairs = window->m_bConcentricCircles = window->m_bFieldDisplay =
            window->m_bZone1FieldDisplay = 0;
        window.get()->*member = 1;
        window->fireTimer(CameraDataDialog::LiveViewTimerId);
        const QImage image = shown(*window);
        for (const QPoint& p : on) {
            EXPECT_EQ(image.pixel(p), kGreen) << p.x() << "," << p.y();
        }
        for (const QPoint& p : off) {
            EXPECT_NE(image.pixel(p), kGreen) << p.x() << "," << p.y();
        }
    }
}

// Each tick paints the frame fetched before it, bare while every figure is cleared or the overlays
// are off. A library that reports a narrower frame covers that much of the live area, the rest
// keeps what it showed, and the overlays keep their fixed 640 x 480 places, cut off at its edge.
TEST_F(LiveViewTest, EachTickPaintsTheFrameFetchedBefore) {
    window->StartLiveView();
    window->ShowMaintenanceLayout();
    const auto tickShowsTheFetchedFrame = [this] {
        const QImage fetched = frameImage(window->m_pFrameBuffer.get());
        window->fireTimer(CameraDataDialog::LiveViewTimerId);
        EXPECT_EQ(shown(*window), fetched);
        return fetched;
    };
    for (int id : {MainId::CrossHairs, MainId::ConcentricCircles, MainId::FieldDisplay}) {
        click(id); // each was on: the click turns it off
    }
    const QImage first = tickShowsTheFetchedFrame();
    EXPECT_NE(tickShowsTheFetchedFrame(), first); // sensor noise differs from frame to frame
    for (int id : {MainId::ConcentricCircles, MainId::FieldDisplay, MainId::Zone1FieldDisplay,
                   MainId::OverlayOff}) {
        click(id);
    }
    EXPECT_EQ(window->m_bZone1FieldDisplay, 1);
    const QImage before = tickShowsTheFetchedFrame();

    click(MainId::CrossHairs);
    click(MainId::OverlayOn);
    window->m_bConcentricCircles = window->m_bFieldDisplay = window->m_bZone1FieldDisplay = 0;
    window->m_pImageInfo->biWidth = 333;
    QImage expected = frameImage(window->m_pFrameBuffer.get(), 333);
    for (int i = 0; i < 480; ++i) {
        expected.setPixel(320, i, kGreen);
        expected.setPixel(i % 333, 240, kGreen);
    }
    window->fireTimer(CameraDataDialog::LiveViewTimerId);
    EXPECT_EQ(shown(*window).copy(0, 0, 333, 480), expected);
    EXPECT_EQ(shown(*window).copy(333, 0, 307, 480), before.copy(333, 0, 307, 480));
}

TEST_F(LiveViewTest, CaptureSavesUnderTheRightNameAndFormAndNothingWhenCancelled) {
    // Typed and saved names: a name saved otherwise than typed had an invalid extension.
    const std::pair<const char*, const char*> cases[] = {{"shot1.jpg", "shot1.jpg"},
                                                         {"shot2.bmp", "shot2.bmp"},
                                                         {"shot4.JPG", "shot4.jpg"},
                                                         {"shot.5.tif", "shot.5.jpg"}};
    QDir(workDir()).mkdir(QStringLiteral("captures"));
    const QString folder = workPath(QStringLiteral("captures")) + QLatin1Char('/');
    window->ShowMaintenanceLayout();
    for (const auto& [typed, savedName] : cases) {
        SCOPED_TRACE(typed);
        dialogs.messages.clear();
        dialogs.fileAnswers = {folder + QString::fromLatin1(typed)};
        QSignalSpy progress(window->m_progress, &QProgressBar::valueChanged);
        click(MainId::Capture);

        QList<int> steps;
        for (const QList<QVariant>& change : progress) {
            steps << change.at(0).toInt();
        }
        EXPECT_EQ(steps, (QList<int>{21, 41, 61, 81, 100, 1}));
        EXPECT_EQ(window->m_strStatus, QString());
        EXPECT_EQ(dialogs.messageTexts(),
                  std::strcmp(typed, savedName) != 0
                      ? QStringList{"The specified file extension is invalid. The image file "
                                    "will be saved in JPEG format."}
                      : QStringList{});
        const QString saved = folder + QString::fromLatin1(savedName);
        const bool jpeg = saved.endsWith(QLatin1String(".jpg"));
        QImageReader reader(saved);
        EXPECT_EQ(reader.format(), jpeg ? QByteArray("jpeg") : QByteArray("bmp"));
        EXPECT_EQ(reader.read().size(), QSize(640, 480));
        // A JPEG holds exactly the captured data: it ends with its end-of-image marker.
        if (jpeg) {
            EXPECT_EQ(fileBytes(saved).indexOf("\xFF\xD9"), fileBytes(saved).size() - 2);
        }
    }
    // Cancelled, it saves nothing, but the capture has already replaced the frame.
    std::uint8_t* frame = window->m_pFrameBuffer.get();
    std::fill_n(frame, CameraDataDialog::FrameBufferBytes, 0);
    click(MainId::Capture);
    EXPECT_NE(std::count(frame, frame + CameraDataDialog::FrameBufferBytes, 0),
              CameraDataDialog::FrameBufferBytes);
    const FileDialogRequest& request = dialogs.fileDialogs.back();
    EXPECT_EQ(request.title, QStringLiteral("Save Captured Image As"));
    EXPECT_EQ(request.filter, QStringLiteral("JPEG(*.jpg)|*.jpg|Bitmap(*.bmp)|*.bmp||"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("jpg"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 4);
}

} // namespace
} // namespace halvex::test
