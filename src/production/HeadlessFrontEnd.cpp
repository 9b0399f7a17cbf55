// The calibration procedures run without a window.
#include "production/HeadlessFrontEnd.h"

#include "calibration/ColourCalibration.h"
#include "calibration/FrameImage.h"
#include "framework/TimeSource.h"
#include "resources/StringTable.h"

#include <algorithm>

namespace halvex {
namespace {

constexpr std::size_t FrameBufferBytes = 921'600;
constexpr int DeviceNotDetectedMessage = 9;
constexpr int StartMovieFailedMessage = 22;

} // namespace

HeadlessFrontEnd::HeadlessFrontEnd(const CalibrationPanelValues& panel, ProgressLine& progress)
    : m_panel(panel), m_progress(progress),
      m_frameBuffer(std::make_unique<std::uint8_t[]>(FrameBufferBytes)) {}

void HeadlessFrontEnd::setBarPosition(int position) {
    m_bar = std::clamp(position, 1, 100);
    refresh();
}

void HeadlessFrontEnd::refresh() {
    // "Initializing  25%" and "Processing... 97.59%" carry their percentage; the bar of the
    // automatic procedure's readings goes with a status that has none. Position 1 is the empty bar.
    if (m_status.isEmpty()) {
        return;
    }
    m_progress.show(m_status.contains(u'%') || m_bar <= 1
                        ? m_status
                        : QStringLiteral("%1  %2%").arg(m_status).arg(m_bar));
}

void HeadlessFrontEnd::setManualInitialValues(const QString& blue, const QString& red) {
    m_panel.initialBlue = blue;
    m_panel.initialRed = red;
}

MessageResult HeadlessFrontEnd::messageBox(const MessageRequest& request) {
    return dialogService().messageBox(request, nullptr);
}

void HeadlessFrontEnd::pause(int milliseconds) {
    timeSource().sleep(milliseconds);
}

void HeadlessFrontEnd::startLiveView() {
    if (VX3_IsConnectUsb() == 0) {
        throw CameraLost{loadString(DeviceNotDetectedMessage)};
    }
    m_calibration->RunCameraStartup();
    VX3_LV_SetImageSize(0);
    m_imageInfo = BITMAPINFOHEADER{};
    VX3_SIA_GetImageInfo(&m_imageInfo);
    if (VX3_LV_StartMovie(m_frameBuffer.get()) == 0) {
        throw CameraLost{loadString(StartMovieFailedMessage)};
    }
    m_status = QStringLiteral("Live image display");
    refresh();
}

void HeadlessFrontEnd::drawFrame() {
    m_image = FrameImage(m_imageInfo, m_frameBuffer.get());
    if (VX3_LV_ContinueMovie(m_frameBuffer.get()) == 0) {
        throw CameraLost{QStringLiteral("An error occured in VX3_LV_ContinueMovie()")};
    }
}

QImage HeadlessFrontEnd::liveImage() const {
    return m_image.isNull() ? FrameImage(m_imageInfo, m_frameBuffer.get()) : m_image;
}

void HeadlessFrontEnd::passRecorded(const CalibrationPass& pass) {
    if (onPass) {
        onPass(pass);
    }
}

void HeadlessFrontEnd::runFinished(const CalibrationResult& result) {
    if (onRunFinished) {
        onRunFinished(result);
    }
}

} // namespace halvex
