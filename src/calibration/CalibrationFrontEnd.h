// The narrow interface between the calibration procedures and the front end that runs them (the
// main window, or a command without a window): status line and bar, message boxes, beep, pauses,
// the live image to measure, the panel's values in and the adjustment values out.
#pragma once

#include "calibration/CalibrationRecord.h"
#include "calibration/ColourMeasurement.h"
#include "framework/DialogService.h"

#include <QImage>
#include <QString>
#include <cstdint>

namespace halvex {

// The "Adjustment  Values" boxes: blue and red in decimal (1195, 1193) and hexadecimal (1196,
// 1194).
struct AdjustmentValues {
    QString blueDec = QStringLiteral("0");
    QString blueHex = QStringLiteral("00");
    QString redDec = QStringLiteral("0");
    QString redHex = QStringLiteral("00");
};

// The calibration panel's values, as texts like its boxes hold them (decimal; a text that is
// not a number counts as 0). The defaults are those of a freshly started tool.
struct CalibrationPanelValues {
    // "Auto Adjustment": initial values (1228, 1229) and the accepted range (1191, 1192, 1189,
    // 1190).
    QString rangeInitialBlue = QStringLiteral("110");
    QString rangeInitialRed = QStringLiteral("25");
    QString blueMin = QStringLiteral("0");
    QString blueMax = QStringLiteral("245");
    QString redMin = QStringLiteral("0");
    QString redMax = QStringLiteral("245");
    // "Direct Image Adjustment": initial values (1210, 1209), green limits (1212, 1213),
    // tolerance (1214), "Auto Ratio Check" (1231) and the ratio limits.
    QString initialBlue = QStringLiteral("110");
    QString initialRed = QStringLiteral("25");
    QString greenMax = QStringLiteral("230");
    QString greenMin = QStringLiteral("100");
    QString tolerance = QStringLiteral("2");
    bool autoRatioCheck = false;
    RatioLimits ratioLimits{0.8f, 1.2f, 0.8f, 1.2f, 0.8f, 1.2f};
    // What the "Adjustment  Values" boxes show (a procedure that ends before it reads the camera
    // shows these, in upper case).
    AdjustmentValues adjustment;
};

// The panel of a freshly started tool.
inline const CalibrationPanelValues kCalibrationPanelDefaults{};

class CalibrationFrontEnd {
public:
    virtual ~CalibrationFrontEnd() = default;

    // Status line (left) and measurement line (right): shown at the next refresh().
    virtual void setStatusText(const QString& text) = 0;
    virtual void setMeasurementText(const QString& text) = 0;
    // The bar: range 1 to 100, every position clamped to it (position 1 is the empty bar), each
    // change shown at once.
    virtual int barPosition() const = 0;
    virtual void setBarPosition(int position) = 0;
    // Everything handed over so far shown now.
    virtual void refresh() = 0;

    // The panel's values as the technician left them; taken at each start of a procedure.
    virtual CalibrationPanelValues takePanelValues() = 0;
    // A time-out restart of the manual procedure puts the camera's gains into the initial value
    // boxes (1210, 1209); the nested run then takes them as its initial values.
    virtual void setManualInitialValues(const QString& blue, const QString& red) = 0;
    virtual void setAdjustmentValues(const AdjustmentValues& values) = 0;
    // Page 1's white-balance texts, after the 45-second white-balance warning.
    virtual void setStoredWhiteBalanceTexts(const QString& blue, const QString& red) = 0;

    // A message box; the answer. A box with one button answers it.
    virtual MessageResult messageBox(const MessageRequest& request) = 0;
    // The standard short beep before a failure message.
    virtual void beep() = 0;
    // A blocking pause of the sequence, on the time source.
    virtual void pause(int milliseconds) = 0;
    virtual void setBusy(bool busy) = 0;
    // The window on top of others during the manual procedure.
    virtual void setTopmost(bool topmost) = 0;

    // Live view, started by a procedure that finds it stopped: runs the camera start-up
    // sequence (ColourCalibration::RunCameraStartup), then the library's live view.
    virtual void startLiveView() = 0;
    // The measuring overlay of a measurement: the Zone 1 frame only.
    virtual void showZone1Overlay() = 0;
    // Paints the last frame into the live area and fetches the next one.
    virtual void drawFrame() = 0;
    // What the live area shows now, as measured over SamplingBlock.
    virtual QImage liveImage() const = 0;

    // Each pass or reading as it is made, and the result of each run the technician started.
    virtual void passRecorded(const CalibrationPass& pass);
    virtual void runFinished(const CalibrationResult& result);
};

} // namespace halvex
