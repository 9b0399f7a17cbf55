// The camera start-up sequence run before every start of live view: fixed register commands, the
// stored white balance written and checked, the sensor's stored settings and the exposure mode.
#pragma once

namespace halvex {

class CameraDataDialog;

class CameraStartup {
public:
    explicit CameraStartup(CameraDataDialog& window) : m_window(window) {}

    void RunCameraStartup();
    // Writes the stored white balance until the camera reports it back unchanged five times in a
    // row, or warns after 45 seconds of the wall clock.
    void InitWhiteBalance();
    void ApplyStoredSettings7610();
    void ApplyStoredSettings7620();

private:
    // m_wbValue from the stored white balance of the sensor; false for another sensor text.
    bool LoadStoredWhiteBalance(bool withProgress);

    CameraDataDialog& m_window;
};

} // namespace halvex
