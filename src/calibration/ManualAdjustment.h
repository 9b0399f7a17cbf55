// "Get Manual Adj. Values" and "Get RGB": the white balance found by measuring the live image of
// the white target and moving the manual blue and red gains until red and blue match green.
#pragma once

#include "calibration/ColourMeasurement.h"

namespace halvex {

class CameraDataDialog;

class ManualAdjustment {
public:
    explicit ManualAdjustment(CameraDataDialog& window) : m_window(window) {}

    void GetManualAdjValues();
    void GetRGB();
    // What the live area shows now, measured over the sampling block.
    ZoneAverages MeasureZone() const;

private:
    // The overlay of a measurement: Zone 1 frame only.
    void ShowZone1Only();
    RatioLimits Limits() const;
    // A time-out restarts the procedure from the camera's current values as a nested run.
    void Restart();
    void SetTopmost(bool topmost);

    CameraDataDialog& m_window;
};

} // namespace halvex
