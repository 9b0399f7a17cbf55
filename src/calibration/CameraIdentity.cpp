// The identity checks and sensor set-up of start-up, and the device information text.
#include "calibration/CameraIdentity.h"

#include "resources/ApplicationVersion.h"
#include "settings/SettingsStore.h"

#include <VX3lib.h>
#include <array>
#include <functional>
#include <utility>

namespace halvex {
namespace {

// Sensor set-up at start: the first command for an OV7610, the second for any other sensor.
struct SetupCommand {
    const char* ov7610;
    const char* other;
};
constexpr SetupCommand kSetupGain{"2d,10,00", "2d,ff,05"};
constexpr SetupCommand kSetupGamma{"14,04,04", "14,84,84"};
constexpr SetupCommand kSetupAwbPeriod{"38,0b,0b", "70,8b,8b"};

constexpr int kInitFailedMessage = 8;

QString versionText(int which, int* result = nullptr) {
    char text[64] = {};
    const int status = VX3_EST_GetVersion(which, text);
    if (result != nullptr) {
        *result = status;
    }
    text[sizeof text - 1] = '\0';
    return QString::fromLatin1(text);
}

} // namespace

IdentityCheck CheckCameraIdentity() {
    IdentityCheck check;
    char initBuffer[VX3_INIT_BUFFER_SIZE] = {};
    if (VX3_InitCamera(initBuffer) == 0) {
        check.failedMessage = kInitFailedMessage;
        return check;
    }
    CameraIdentity& id = check.identity;
    // Each identity check, in the order the device is asked, and the message its failure shows.
    const std::array<std::pair<std::function<int()>, int>, 5> checks{{
        {[] { return VX3_IsConnectUsb(); }, 9},
        {[&id] { return VX3_GetUsbId(1, &id.vendor); }, 10},
        {[&id] { return VX3_GetUsbId(0, &id.product); }, 11},
        {[&id] {
             int result = 0;
             id.sdkVersion = versionText(1, &result);
             return result;
         },
         12},
        {[&id] {
             int result = 0;
             id.cameraVersion = versionText(0, &result);
             return result;
         },
         13},
    }};
    for (const auto& [step, message] : checks) {
        if (step() == 0) {
            check.failedMessage = message;
            return check;
        }
    }
    SensorModel = id.cameraVersion;
    return check;
}

void SendSensorSetup(const RegisterAccess& registers) {
    const bool ov7610 = SensorModel == QLatin1String("OV7610");
    const auto pick = [ov7610](const SetupCommand& command) {
        return QString::fromLatin1(ov7610 ? command.ov7610 : command.other);
    };
    registers.SetRegister(pick(kSetupGain));
    registers.SetRegister(pick(kSetupGamma));
    VX3_SetTimeout(5000);
    registers.SetRegister(pick(kSetupAwbPeriod));
    VX3_WB_SetMode(0);
}

QString DeviceInformationText() {
    std::uint8_t vendor = 0;
    std::uint8_t product = 0;
    VX3_GetUsbId(1, &vendor);
    VX3_GetUsbId(0, &product);
    const QString sdk = versionText(1);
    const QString camera = versionText(0);

    QString text = QString::asprintf("USB Version = %d\nProduct ID = %d\n", vendor, product);
    text += QStringLiteral("SDK Version = ") + sdk + QLatin1Char('\n');
    text += QStringLiteral("Camera Version = ") + camera + QLatin1Char('\n');

    std::int32_t agc = 0;
    VX3_GC_SetAgc(1);
    VX3_GC_GetAgc(&agc);
    text += agc != 0 ? QStringLiteral("Auto Gain Control = ON\n")
                     : QStringLiteral("Auto Gain Control = OFF\n");

    std::int32_t blackBalance = 0;
    VX3_BB_GetMode(&blackBalance);
    text += blackBalance != 0 ? QStringLiteral("Black Balance Mode = AUTO\n")
                              : QStringLiteral("Black Balance Mode = MANUAL\n");

    std::uint16_t exposure = 0;
    VX3_EXP_SetMode(0);
    VX3_EXP_GetMode(&exposure);
    text += exposure == 0 ? QStringLiteral("Exposure Mode = AUTO\n")
                          : QStringLiteral("Exposure Mode = MANUAL\n");

    text += QStringLiteral("Halvex Application = Ver. ") + ApplicationVersion() + QLatin1Char('\n');
    return text;
}

} // namespace halvex
