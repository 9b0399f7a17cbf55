// The camera's identity as start-up checks it and the device information shows it, and the
// sensor set-up that follows: reachable without the main window.
#pragma once

#include "camera/RegisterAccess.h"

#include <QString>
#include <cstdint>

namespace halvex {

struct CameraIdentity {
    std::uint8_t vendor = 0;  // "USB Version"
    std::uint8_t product = 0; // "Product ID"
    QString sdkVersion;
    QString cameraVersion; // the sensor model: "OV7610", "OV7620" or another text
};

struct IdentityCheck {
    // 0: the camera is open and identified; otherwise the string-table message of the failed
    // step: 8 the library did not initialise (nothing to release), 9 no USB connection, 10 the
    // vendor byte, 11 the product byte, 12 the SDK version, 13 the camera version (the camera is
    // to be released with VX3_UnmountCamera).
    int failedMessage = 0;
    CameraIdentity identity;

    // Whether the library was initialised and the camera must be released after the failure.
    bool needsRelease() const { return failedMessage > 8; }
};

// VX3_InitCamera and the identity checks of start-up, in order, stopping at the first failure.
// On success SensorModel is the camera version text.
IdentityCheck CheckCameraIdentity();

// The sensor set-up commands of start-up for SensorModel (gain, gamma, time-out, white-balance
// period, white balance manual).
void SendSensorSetup(const RegisterAccess& registers);

// The device information text, eight lines each ending with a line break, queried from the
// camera (switches its automatic gain control on and its exposure mode to automatic).
QString DeviceInformationText();

} // namespace halvex
