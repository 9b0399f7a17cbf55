// "Get Auto Adj. Values": lets the camera's own white balance settle on the white target from
// the initial values, checks the settled values against the range and shows them.
#pragma once

namespace halvex {

class CameraDataDialog;

class AutoAdjustment {
public:
    explicit AutoAdjustment(CameraDataDialog& window) : m_window(window) {}

    void GetAutoAdjValues();
    // Waits until three readings in a row, 2 seconds apart, are equal. false: the procedure ends
    // (the initial values were refused, or the time-out was cancelled).
    bool WaitForStableBalance();
    // false: the values are out of range and the technician cancelled.
    bool CheckAutoRange();
    // Reads the white balance from the camera into the "Adjustment  Values" boxes.
    void ShowAdjustmentValues();
    void UppercaseHexValues();

private:
    CameraDataDialog& m_window;
};

} // namespace halvex
