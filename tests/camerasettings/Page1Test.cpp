// Page 1 driven as a technician drives it, on both sensors: the texts shown, the settings-store
// entries and the register traffic of the simulated camera.
#include "CameraSettingsFixture.h"

#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

using Page1Test = CameraSettingsTest;

TEST_P(Page1Test, ShowsTheStoredValuesWhenBuilt) {
    CCameraSetting1& page = page1();
    EXPECT_EQ(edit(page, Page1Id::BlueEdit)->text(), QStringLiteral("140")); // 8c
    EXPECT_EQ(edit(page, Page1Id::RedEdit)->text(), QStringLiteral("48"));   // 30
    EXPECT_EQ(slider(page, Page1Id::BlueSlider)->value(), 140);
    for (int id : {Page1Id::GammaEdit, Page1Id::SaturationEdit, Page1Id::ContrastEdit,
                   Page1Id::BrightnessEdit}) {
        EXPECT_EQ(edit(page, id)->text(), QStringLiteral("128")) << id;
    }
    EXPECT_EQ(edit(page, Page1Id::BiasBlueEdit)->text(), QStringLiteral("32"));
    EXPECT_EQ(slider(page, Page1Id::BiasRedSlider)->value(), 32);
    EXPECT_EQ(slider(page, Page1Id::BiasRedSlider)->maximum(), 63);
    EXPECT_EQ(slider(page, Page1Id::SaturationSlider)->maximum(), 255);
    EXPECT_TRUE(page.controls().isChecked(Page1Id::Manual));
    EXPECT_FALSE(page.controls().isChecked(Page1Id::Auto));
    EXPECT_FALSE(page.controls().isVisible(Page1Id::Calibration));
    if (ov7610()) {
        EXPECT_TRUE(page.controls().isChecked(Page1Id::Level95));  // 71,03,00
        EXPECT_TRUE(page.controls().isChecked(Page1Id::Curve045)); // 71,04,04
        EXPECT_TRUE(page.controls().isEnabled(Page1Id::Gamma1Group));
    } else {
        for (int id : {Page1Id::Gamma1Group, Page1Id::Gamma2Group, Page1Id::Level95,
                       Page1Id::Level80, Page1Id::Curve045, Page1Id::Curve05}) {
            EXPECT_FALSE(page.controls().isEnabled(id)) << id;
        }
    }
    EXPECT_EQ(page.m_bBusy, 0);
}

// Typing clamps and stores, but the camera hears nothing until the box is left.
struct Typed {
    int edit;
    int slider;
    const char* section;
    const char* key;
    const char* text;
    bool pasted; // put into the box whole, as a paste the box did not filter
    const char* shown;
    const char* stored; // data field of the entry
    int position;
};

TEST_P(Page1Test, TypingClampsTheTextAndStoresTheDataFieldOnly) {
    const Typed cases[] = {
        {Page1Id::SaturationEdit, Page1Id::SaturationSlider, "Saturation", "Saturation", "300",
         false, "255", "ff", 255},
        {Page1Id::BiasBlueEdit, Page1Id::BiasBlueSlider, "ColorBias", "Blue", "70", false, "63",
         "3f", 63},
        {Page1Id::ContrastEdit, Page1Id::ContrastSlider, "Contrast", "Contrast", "12a", true, "12",
         "0c", 12},
        {Page1Id::GammaEdit, Page1Id::GammaSlider, "Gamma", "Gamma3", "5", false, "5", "05", 5},
        {Page1Id::BrightnessEdit, Page1Id::BrightnessSlider, "Brightness", "Brightness", "", false,
         "", "00", 0},
    };
    for (const Typed& c : cases) {
        SCOPED_TRACE(c.text);
        QLineEdit* box = edit(page1(), c.edit);
        if (c.pasted) {
            box->setText(QLatin1String(c.text));
        } else {
            typeInto(box, QLatin1String(c.text));
        }
        EXPECT_EQ(box->text(), QLatin1String(c.shown));
        EXPECT_EQ(entry(c.section, c.key).right(2), QLatin1String(c.stored));
        EXPECT_EQ(slider(page1(), c.slider)->value(), c.position);
    }
    EXPECT_EQ(callCount("VX3_EST_SetAdrsData"), 0);
}

TEST_P(Page1Test, LeavingABoxSendsTheCommandAndShowsTheMaskedReadBack) {
    QLineEdit* box = edit(page1(), Page1Id::ContrastEdit);
    typeAndLeave(box, QStringLiteral("129"));
    // The OV7620's contrast register keeps bit 0 to itself (mask FE).
    const std::vector<std::pair<int, int>> written{ov7610() ? std::pair{0x05, 0x81}
                                                            : std::pair{0x64, 0x81}};
    EXPECT_EQ(registerWrites(), written);
    EXPECT_EQ(box->text(), ov7610() ? QStringLiteral("129") : QStringLiteral("128"));
    EXPECT_EQ(entry("Contrast", "Contrast"),
              ov7610() ? QStringLiteral("05,FF,81") : QStringLiteral("64,FE,81"));
}

TEST_P(Page1Test, ReleasingASliderSendsItsPosition) {
    drag(slider(page1(), Page1Id::SaturationSlider), 100);
    drag(slider(page1(), Page1Id::BiasRedSlider), 40);
    EXPECT_EQ(registerWrites(), (std::vector<std::pair<int, int>>{{0x03, 0x64}, {0x0D, 0x28}}));
    EXPECT_EQ(entry("Saturation", "Saturation"), QStringLiteral("03,FF,64"));
    EXPECT_EQ(entry("ColorBias", "Red"), QStringLiteral("0D,3F,28"));
    EXPECT_EQ(edit(page1(), Page1Id::SaturationEdit)->text(), QStringLiteral("100"));
    EXPECT_EQ(edit(page1(), Page1Id::BiasRedEdit)->text(), QStringLiteral("40"));
}

TEST_P(Page1Test, WhiteBalanceGoesThroughTheCameraLibrary) {
    typeAndLeave(edit(page1(), Page1Id::BlueEdit), QStringLiteral("100"));
    drag(slider(page1(), Page1Id::RedSlider), 70);
    EXPECT_EQ(callCount("VX3_WB_SetWbVal"), 2);
    EXPECT_EQ(vx3sim::peekRegister(0x01), 100);
    EXPECT_EQ(vx3sim::peekRegister(0x02), 70);
    EXPECT_EQ(entry("WhiteBalance", "Blue"), QStringLiteral("64"));
    EXPECT_EQ(entry("WhiteBalance", "Red"), QStringLiteral("46"));
    EXPECT_EQ(edit(page1(), Page1Id::RedEdit)->text(), QStringLiteral("70"));
}

// Which failure shows which text is the fault matrix's part; here, how the boxes look.
TEST_P(Page1Test, LibraryFailuresOfBothPagesShowExclamationBoxes) {
    vx3sim::failFunction("VX3_WB_SetWbVal");
    drag(slider(page1(), Page1Id::RedSlider), 70);
    vx3sim::failFunction("VX3_LV_GetFrameRate");
    drag(slider(page2(), Page2Id::FrameSpeedSlider), 20);
    ASSERT_EQ(dialogs.messageTexts(),
              (QStringList{QStringLiteral("Command failed."),
                           QStringLiteral("Get frame rate command failed.")}));
    EXPECT_EQ(dialogs.messages[0].modality, Modality::System);
    for (const MessageRequest& box : dialogs.messages) {
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    }
}

TEST_P(Page1Test, AutoAndManualSwitchTheSensorAndTheControls) {
    setRegister(0x12, 0x63);
    click(page1(), Page1Id::Auto);
    // The OV7620 command also clears every other owned bit of COMA.
    EXPECT_EQ(registerWrites(), (std::vector<std::pair<int, int>>{{0x12, ov7610() ? 0x67 : 0x24}}));
    CCameraSetting1& page = page1();
    EXPECT_TRUE(page.controls().isChecked(Page1Id::Auto));
    EXPECT_FALSE(page.controls().isEnabled(Page1Id::BlueSlider));
    EXPECT_FALSE(page.controls().isEnabled(Page1Id::WhiteBalanceDefault));
    EXPECT_TRUE(edit(page, Page1Id::RedEdit)->isReadOnly());

    vx3sim::clearLog();
    click(page, Page1Id::Manual);
    EXPECT_EQ(registerWrites().front(), (std::pair{0x12, ov7610() ? 0x63 : 0x20}));
    EXPECT_TRUE(page.controls().isChecked(Page1Id::Manual));
    EXPECT_TRUE(page.controls().isEnabled(Page1Id::RedSlider));
    EXPECT_TRUE(page.controls().isEnabled(Page1Id::WhiteBalanceDefault));
    EXPECT_FALSE(edit(page, Page1Id::BlueEdit)->isReadOnly());
}

TEST_P(Page1Test, InAutomaticModeTheGainsAndEntriesStay) {
    typeInto(edit(page1(), Page1Id::BlueEdit), QStringLiteral("16"));
    VX3_WB_SetMode(1);
    vx3sim::clearLog();

    drag(slider(page1(), Page1Id::RedSlider), 50);
    EXPECT_EQ(page1().m_nRed, 50);
    EXPECT_EQ(entry("WhiteBalance", "Red"), QStringLiteral("30"));

    click(page1(), Page1Id::WhiteBalanceDefault);
    EXPECT_EQ(entry("WhiteBalance", "Blue"), QStringLiteral("8c")); // the factory value
    EXPECT_EQ(edit(page1(), Page1Id::BlueEdit)->text(), QStringLiteral("16"));
    EXPECT_EQ(callCount("VX3_WB_SetWbVal"), 0);
}

TEST_P(Page1Test, GammaLevelAndCurveExistOnTheOV7610Only) {
    click(page1(), Page1Id::Level80);
    click(page1(), Page1Id::Curve05);
    if (ov7610()) {
        EXPECT_EQ(entry("Gamma", "Gamma1"), QStringLiteral("71,03,03"));
        EXPECT_EQ(entry("Gamma", "Gamma2"), QStringLiteral("71,04,00"));
        EXPECT_EQ(vx3sim::peekRegister(0x71) & 0x07, 0x03);
        EXPECT_TRUE(page1().controls().isChecked(Page1Id::Level80));
        EXPECT_FALSE(page1().controls().isChecked(Page1Id::Level95));
        EXPECT_TRUE(page1().controls().isChecked(Page1Id::Curve05));
    } else {
        EXPECT_TRUE(registerWrites().empty());
        EXPECT_EQ(entry("Gamma", "Gamma1"), QStringLiteral("64,01,01"));
    }
}

TEST_P(Page1Test, GammaDefaultRestoresTheSensorsGammaEntries) {
    click(page1(), Page1Id::Level85);
    typeAndLeave(edit(page1(), Page1Id::GammaEdit), QStringLiteral("10"));
    click(page1(), Page1Id::GammaDefault);
    EXPECT_EQ(entry("Gamma", "Gamma3"),
              ov7610() ? QStringLiteral("72,FF,80") : QStringLiteral("62,FE,80"));
    EXPECT_EQ(edit(page1(), Page1Id::GammaEdit)->text(), QStringLiteral("128"));
    if (ov7610()) {
        EXPECT_EQ(entry("Gamma", "Gamma1"), QStringLiteral("71,03,00"));
        EXPECT_TRUE(page1().controls().isChecked(Page1Id::Level95));
        EXPECT_TRUE(page1().controls().isChecked(Page1Id::Curve045));
    }
}

TEST_P(Page1Test, ReadTakesTheCamerasValuesIntoPageAndStore) {
    setRegister(0x03, 0x40);
    setRegister(0x06, 0xAB);
    setRegister(0x71, 0x02); // OV7610: 85 %, curve 0.5
    const WhiteBalanceValue gains{0x50, 0x60};
    VX3_WB_SetWbVal(&gains);
    VX3_LV_SetFrameRate(15);
    click(page1(), Page1Id::Read);

    EXPECT_EQ(entry("Saturation", "Saturation"), QStringLiteral("03,FF,40"));
    EXPECT_EQ(entry("Brightness", "Brightness"), QStringLiteral("06,FF,ab"));
    EXPECT_EQ(entry("WhiteBalance", "Blue"), QStringLiteral("50"));
    EXPECT_EQ(entry("WhiteBalance", "Red"), QStringLiteral("60"));
    EXPECT_EQ(entry("FrameSpeed", "FrameSpeed"), QStringLiteral("15"));
    EXPECT_EQ(edit(page1(), Page1Id::SaturationEdit)->text(), QStringLiteral("64"));
    EXPECT_EQ(edit(page1(), Page1Id::BrightnessEdit)->text(), QStringLiteral("171"));
    EXPECT_EQ(edit(page1(), Page1Id::BlueEdit)->text(), QStringLiteral("80"));
    EXPECT_TRUE(page1().controls().isChecked(Page1Id::Manual));
    if (ov7610()) {
        EXPECT_EQ(entry("Gamma", "Gamma1"), QStringLiteral("71,03,02"));
        EXPECT_EQ(entry("Gamma", "Gamma2"), QStringLiteral("71,04,00"));
        EXPECT_TRUE(page1().controls().isChecked(Page1Id::Level85));
        EXPECT_TRUE(page1().controls().isChecked(Page1Id::Curve05));
    }
    EXPECT_EQ(callCount("VX3_EST_SetAdrsData"), 0);
}

TEST_P(Page1Test, RegisterControlsNameTheirStoredCommandInTheirTooltip) {
    QLineEdit* box = edit(page1(), Page1Id::SaturationEdit);
    EXPECT_EQ(box->toolTip(), QStringLiteral("03,FF,80: register 0x03, mask 0xFF"));
    typeInto(box, QStringLiteral("100"));
    EXPECT_EQ(slider(page1(), Page1Id::SaturationSlider)->toolTip(),
              QStringLiteral("03,FF,64: register 0x03, mask 0xFF"));
    EXPECT_EQ(edit(page1(), Page1Id::ContrastEdit)->toolTip(),
              ov7610() ? QStringLiteral("05,FF,80: register 0x05, mask 0xFF")
                       : QStringLiteral("64,FE,80: register 0x64, mask 0xFE"));
    if (ov7610()) {
        click(page1(), Page1Id::Level90);
        EXPECT_EQ(page1().control(Page1Id::Level80)->toolTip(),
                  QStringLiteral("71,03,01: register 0x71, mask 0x03"));
    } else {
        EXPECT_EQ(page1().control(Page1Id::Level80)->toolTip(), QString());
    }
}

INSTANTIATE_TEST_SUITE_P(BothSensors, Page1Test, kBothSensors, sensorName);

} // namespace
} // namespace halvex::test
