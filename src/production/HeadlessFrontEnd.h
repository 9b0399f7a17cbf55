// The calibration procedures' front end without a window: progress on standard error, message
// boxes through the process's dialog service (answered headless), the panel's values from the
// command line and the live image rendered from the frame buffer.
#pragma once

#include "calibration/CalibrationFrontEnd.h"
#include "production/ProgressLine.h"

#include <QImage>
#include <QString>
#include <VX3lib.h>
#include <functional>
#include <memory>

namespace halvex {

class ColourCalibration;

// Thrown out of a procedure when the camera stops answering in the middle of it; caught around
// the procedure (no event loop runs in between).
struct CameraLost {
    QString message;
};

class HeadlessFrontEnd final : public CalibrationFrontEnd {
public:
    HeadlessFrontEnd(const CalibrationPanelValues& panel, ProgressLine& progress);
    // The component whose start-up sequence startLiveView runs.
    void setCalibration(ColourCalibration& calibration) { m_calibration = &calibration; }

    std::function<void(const CalibrationPass&)> onPass;
    std::function<void(const CalibrationResult&)> onRunFinished;

    void setStatusText(const QString& text) override { m_status = text; }
    void setMeasurementText(const QString&) override {}
    int barPosition() const override { return m_bar; }
    void setBarPosition(int position) override;
    void refresh() override;

    CalibrationPanelValues takePanelValues() override { return m_panel; }
    void setManualInitialValues(const QString& blue, const QString& red) override;
    void setAdjustmentValues(const AdjustmentValues&) override {}
    void setStoredWhiteBalanceTexts(const QString&, const QString&) override {}

    MessageResult messageBox(const MessageRequest& request) override;
    void beep() override {}
    void pause(int milliseconds) override;
    void setBusy(bool) override {}
    void setTopmost(bool) override {}

    // Runs the camera start-up sequence and starts the library's live view; CameraLost when the
    // camera is gone or live view does not start.
    void startLiveView() override;
    void showZone1Overlay() override {}
    // Renders the frame buffer, then fetches the next frame; CameraLost when none comes.
    void drawFrame() override;
    QImage liveImage() const override;

    void passRecorded(const CalibrationPass& pass) override;
    void runFinished(const CalibrationResult& result) override;

private:
    CalibrationPanelValues m_panel;
    ProgressLine& m_progress;
    ColourCalibration* m_calibration = nullptr;
    QString m_status;
    int m_bar = 1;
    std::unique_ptr<std::uint8_t[]> m_frameBuffer;
    BITMAPINFOHEADER m_imageInfo{};
    QImage m_image;
};

} // namespace halvex
