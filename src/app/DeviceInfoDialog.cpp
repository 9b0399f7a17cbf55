// Dialog 142: the camera's identity and modes.
#include "app/DeviceInfoDialog.h"

#include "app/ApplicationVersion.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <VX3lib.h>

namespace halvex {
namespace {

QString versionText(int which) {
    char text[64] = {};
    VX3_EST_GetVersion(which, text);
    text[sizeof text - 1] = '\0';
    return QString::fromLatin1(text);
}

} // namespace

DeviceInfoDialog::DeviceInfoDialog(QWidget* parent) : Dialog(kDeviceInfoDialogTemplate, parent) {}

QString DeviceInfoDialog::BuildDeviceText() {
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

bool DeviceInfoDialog::onInitDialog() {
    Dialog::onInitDialog();
    controls().setText(MainId::DeviceText, BuildDeviceText());
    return true;
}

} // namespace halvex
