// Fault tables of the camera settings pages: the white balance, a register setting and READ on
// page 1; a switch, the frame speed and Direct Setup on page 2. The window always goes on.
#include "FaultMatrix.h"
#include "TechnicianHands.h"
#include "app/CameraDataDialog.h"
#include "camerasettings/CCameraSetting1.h"
#include "camerasettings/CCameraSetting2.h"
#include "framework/PropertySheet.h"
#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

const QString kSetWbFailed = QStringLiteral("Set white balance command failed.");
const QString kGetWbFailed = QStringLiteral("Get white balance command failed.");
const QString kRedFailed = QStringLiteral("Command failed.");
const QString kSetRateFailed = QStringLiteral("Set frame rate command failed.");
const QString kGetRateFailed = QStringLiteral("Get frame rate command failed.");

HALVEX_FAULT_STAGE(
    Page1, "page 1", true, nullptr,
    [](FaultMatrix& m) {
        CCameraSetting1& page = *m.window->m_pPage1;
        typeAndLeave(page.controls().as<QLineEdit>(Page1Id::BlueEdit), QStringLiteral("100"));
        drag(page.controls().as<QSlider>(Page1Id::RedSlider), 70);
        typeAndLeave(page.controls().as<QLineEdit>(Page1Id::SaturationEdit), QStringLiteral("100"));
        QTest::mouseClick(page.control(Page1Id::Read), Qt::LeftButton);
    },
    cellsWith(
        {
            // Blue's box, then red's slider; READ passes over its own failures.
            {"VX3_WB_SetWbVal", 1, {kSetWbFailed, kRedFailed}},
            {"VX3_WB_GetWbVal", 1, {kGetWbFailed, kGetWbFailed}},
            {Unplugged, 1, {kSetWbFailed, kGetWbFailed, kRedFailed, kGetWbFailed}, false, false},
        },
        {"VX3_WB_GetMode", "VX3_EST_SetAdrsData", "VX3_EST_GetAdrsData", "VX3_LV_GetFrameRate"}))

HALVEX_FAULT_STAGE(
    Page2, "page 2", true, [](FaultMatrix& m) { m.window->m_pSheet->setActivePage(1); },
    [](FaultMatrix& m) {
        CCameraSetting2& page = *m.window->m_pPage2;
        choose(page.controls().as<QComboBox>(Page2Id::SuperGainList), 1);
        typeAndLeave(page.controls().as<QLineEdit>(Page2Id::FrameSpeedEdit), QStringLiteral("12"));
        typeInto(page.controls().as<QLineEdit>(Page2Id::Input), QStringLiteral("14,04,04"));
        QTest::mouseClick(page.control(Page2Id::Set), Qt::LeftButton);
        QTest::mouseClick(page.control(Page2Id::Get), Qt::LeftButton);
    },
    cellsWith(
        {
            {"VX3_LV_SetFrameRate", 1, {kSetRateFailed}},
            {"VX3_LV_GetFrameRate", 1, {kGetRateFailed}},
            {Unplugged, 1, {kSetRateFailed, kGetRateFailed}, false, false},
        },
        {"VX3_EST_SetAdrsData", "VX3_EST_GetAdrsData"}))

} // namespace
} // namespace halvex::test
