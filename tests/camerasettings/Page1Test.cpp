// Page 1 driven as a technician drives it, on both sensors: the texts shown, the settings-store
// entries and the register traffic of the simulated camera.
#include "CameraSettingsFixture.h"

#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

using Page1Test = CameraSettingsTest;

TEST_P(Page1Test, ShowsTheStoredValuesWhenBuilt) {
    CCameraSetting1& page = page1();
    QStringList texts;
    for (int id : {Page1Id::BlueEdit, Page1Id::RedEdit, Page1Id::GammaEdit, Page1Id::SaturationEdit,
                   Page1Id::ContrastEdit, Page1Id::BrightnessEdit, Page1Id::BiasBlueEdit}) {
        texts << edit(page, id)->text();
    }
    EXPECT_EQ(texts, (QStringList{"140", "48", "128", "128", "128", "128", "32"})); // 8c, 30, ...
    EXPECT_EQ(slider(page, Page1Id::BiasRedSlider)->value(), 32);
    EXPECT_TRUE(page.controls().isChecked(Page1Id::Manual));
    EXPECT_FALSE(page.controls().isVisible(Page1Id::Calibration));
    // Register controls name their stored command in their tooltip.
    EXPECT_EQ(edit(page, Page1Id::ContrastEdit)->toolTip(),
              ov7610() ? QStringLiteral("05,FF,80: register 0x05, mask 0xFF")
                       : QStringLiteral("64,FE,80: register 0x64, mask 0xFE"));
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
}

// Typing clamps and stores, but the camera hears nothing until the box is left.
TEST_P(Page1Test, TypingClampsTheTextAndStoresTheDataFieldOnly) {
    // Box and slider; section and key; the text typed ("!": pasted whole, unfiltered); then the
    // text shown, the entry's data field and the slider's position.
    const std::tuple<int, int, const char*, const char*, const char*, const char*, const char*, int>
        cases[] = {
            {Page1Id::SaturationEdit, Page1Id::SaturationSlider, "Saturation", "Saturation", "300",
             "255", "ff", 255},
            {Page1Id::BiasBlueEdit, Page1Id::BiasBlueSlider, "ColorBias", "Blue", "70", "63", "3f",
             63},
            {Page1Id::ContrastEdit, Page1Id::ContrastSlider, "Contrast", "Contrast", "!12a", "12",
             "0c", 12},
            {Page1Id::GammaEdit, Page1Id::GammaSlider, "Gamma", "Gamma3", "5", "5", "05", 5},
            {Page1Id::BrightnessEdit, Page1Id::BrightnessSlider, "Brightness", "Brightness", "", "",
             "00", 0},
        };
    for (const auto& [id, sliderId, sectionName, key, typed, shown, stored, position] : cases) {
        SCOPED_TRACE(typed);
        QLineEdit* box = edit(page1(), id);
        if (*typed == '!') {
            box->setText(QLatin1String(typed + 1));
        } else {
            typeInto(box, QLatin1String(typed));
        }
        EXPECT_EQ(box->text(), QLatin1String(shown));
        EXPECT_EQ(entry(sectionName, key).right(2), QLatin1String(stored));
        EXPECT_EQ(slider(page1(), sliderId)->value(), position);
    }
    EXPECT_EQ(callCount("VX3_EST_SetAdrsData"), 0);
    EXPECT_EQ(slider(page1(), Page1Id::SaturationSlider)->toolTip(),
              QStringLiteral("03,FF,ff: register 0x03, mask 0xFF"));
}

// A box left or a slider let go sends its value (the gains through the library's white
// balance) and stores the command.
TEST_P(Page1Test, LeavingABoxOrReleasingASliderSendsTheValue) {
    // A box (typed over and left) or a slider (dragged); the box showing the value; the value;
    // section, key and entry; the register written.
    const std::tuple<int, int, int, const char*, const char*, QString, int> gestures[] = {
        {Page1Id::ContrastEdit, Page1Id::ContrastEdit, 129, "Contrast", "Contrast",
         ov7610() ? "05,FF,81" : "64,FE,81", ov7610() ? 0x05 : 0x64},
        {Page1Id::SaturationSlider, Page1Id::SaturationEdit, 100, "Saturation", "Saturation",
         "03,FF,64", 0x03},
        {Page1Id::BiasRedSlider, Page1Id::BiasRedEdit, 40, "ColorBias", "Red", "0D,3F,28", 0x0D},
        {Page1Id::BlueEdit, Page1Id::BlueEdit, 100, "WhiteBalance", "Blue", "64", 0x01},
        {Page1Id::RedSlider, Page1Id::RedEdit, 70, "WhiteBalance", "Red", "46", 0x02},
    };
    for (const auto& [control, box, value, sectionName, key, stored, address] : gestures) {
        SCOPED_TRACE(key);
        vx3sim::clearLog();
        if (auto* typed = page1().controls().as<QLineEdit>(control)) {
            typeAndLeave(typed, QString::number(value));
        } else {
            drag(slider(page1(), control), value);
        }
        const bool gain = QLatin1String(sectionName) == QLatin1String("WhiteBalance");
        EXPECT_EQ(callCount(gain ? "VX3_WB_SetWbVal" : "VX3_EST_SetAdrsData"), 1);
        EXPECT_EQ(std::ranges::count(registerWrites(), std::pair{address, value}), 1);
        EXPECT_EQ(entry(sectionName, key), stored);
        // What the camera holds: the OV7620's contrast register keeps bit 0 to itself.
        EXPECT_EQ(edit(page1(), box)->text(), QString::number(address == 0x64 ? 128 : value));
    }
}

// Every gesture on a slider sends its value exactly once, also where the thumb cannot move.
TEST_P(Page1Test, EverySliderGestureSendsOnce) {
    QSlider* saturation = slider(page1(), Page1Id::SaturationSlider);
    QTest::mouseClick(saturation, Qt::LeftButton, {}, {2, saturation->height() / 2});
    drag(saturation, 100);
    EXPECT_EQ(registerWrites(), (std::vector<std::pair<int, int>>{{0x03, 123}, {0x03, 100}}));
    const std::pair<Qt::Key, int> gestures[] = {{Qt::Key_Home, 0},  {Qt::Key_Home, 0},
                                                {Qt::Key_Left, 0},  {Qt::Key_End, 255},
                                                {Qt::Key_End, 255}, {Qt::Key_Right, 255}};
    for (const auto& [key, value] : gestures) {
        vx3sim::clearLog();
        QTest::keyClick(saturation, key);
        EXPECT_EQ(registerWrites(), (std::vector<std::pair<int, int>>{{0x03, value}})) << key;
    }
}

// Which failure shows which text is the fault matrix's part; here, how the boxes look.
TEST_P(Page1Test, LibraryFailuresOfBothPagesShowExclamationBoxes) {
    vx3sim::failFunction("VX3_WB_SetWbVal");
    drag(slider(page1(), Page1Id::RedSlider), 70);
    vx3sim::failFunction("VX3_LV_GetFrameRate");
    drag(slider(page2(), Page2Id::FrameSpeedSlider), 20);
    ASSERT_EQ(dialogs.messages.size(), 2u);
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

TEST_P(Page1Test, GammaDefaultRestoresTheSensorsGammaEntries) {
    click(page1(), Page1Id::Level85);
    click(page1(), Page1Id::Curve05);
    if (ov7610()) {
        EXPECT_EQ(vx3sim::peekRegister(0x71) & 0x07, 0x02); // 85 %, curve 0.5
    } else { // the level and curve exist on the OV7610 only
        EXPECT_TRUE(registerWrites().empty());
    }
    EXPECT_EQ(entry("Gamma", "Gamma1"), ov7610() ? "71,03,02" : "64,01,01");
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

INSTANTIATE_TEST_SUITE_P(BothSensors, Page1Test, kBothSensors, sensorName);

} // namespace
} // namespace halvex::test
