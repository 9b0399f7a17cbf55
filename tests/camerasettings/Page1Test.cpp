// Page 1 driven as a technician drives it, on both sensors: the texts shown, the settings-store
// entries and the register traffic of the simulated camera.
#include "CameraSettingsFixture.h"

namespace halvex::test {
namespace {

using namespace Page1Id;
using Page1Test = CameraSettingsTest;

TEST_P(Page1Test, ShowsTheStoredValuesWhenBuilt) {
    CCameraSetting1& page = page1();
    QStringList texts;
    for (int id : {BlueEdit, RedEdit, GammaEdit, SaturationEdit, ContrastEdit, BrightnessEdit,
                   BiasBlueEdit}) {
        texts << edit(page, id)->text();
    }
    EXPECT_EQ(texts, (QStringList{"140", "48", "128", "128", "128", "128", "32"})); // 8c, 30, ...
    EXPECT_EQ(slider(page, BiasRedSlider)->value(), 32);
    EXPECT_TRUE(page.controls().isChecked(Manual));
    EXPECT_FALSE(page.controls().isVisible(Calibration));
    // Register controls name their stored command in their tooltip.
    EXPECT_EQ(edit(page, ContrastEdit)->toolTip(), ov7610() ? "05,FF,80: register 0x05, mask 0xFF"
                                                            : "64,FE,80: register 0x64, mask 0xFE");
    if (ov7610()) {
        EXPECT_TRUE(page.controls().isChecked(Level95));  // 71,03,00
        EXPECT_TRUE(page.controls().isChecked(Curve045)); // 71,04,04
        EXPECT_TRUE(page.controls().isEnabled(Gamma1Group));
    } else {
        for (int id : {Gamma1Group, Gamma2Group, Level95, Level80, Curve045, Curve05}) {
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
            {SaturationEdit, SaturationSlider, "Saturation", "Saturation", "300", "255", "ff", 255},
            {BiasBlueEdit, BiasBlueSlider, "ColorBias", "Blue", "70", "63", "3f", 63},
            {ContrastEdit, ContrastSlider, "Contrast", "Contrast", "!12a", "12", "0c", 12},
            {GammaEdit, GammaSlider, "Gamma", "Gamma3", "5", "5", "05", 5},
            {BrightnessEdit, BrightnessSlider, "Brightness", "Brightness", "", "", "00", 0},
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
    EXPECT_EQ(slider(page1(), SaturationSlider)->toolTip(), "03,FF,ff: register 0x03, mask 0xFF");
}

// A box left or a slider let go sends its value (the gains through the library's white
// balance) and stores the command.
TEST_P(Page1Test, LeavingABoxOrReleasingASliderSendsTheValue) {
    // A box (typed over and left) or a slider (dragged); the box showing the value; the value;
    // section, key and entry; the register written.
    const std::tuple<int, int, int, const char*, const char*, QString, int> gestures[] = {
        {ContrastEdit, ContrastEdit, 129, "Contrast", "Contrast",
         ov7610() ? "05,FF,81" : "64,FE,81", ov7610() ? 0x05 : 0x64},
        {SaturationSlider, SaturationEdit, 100, "Saturation", "Saturation", "03,FF,64", 0x03},
        {BiasRedSlider, BiasRedEdit, 40, "ColorBias", "Red", "0D,3F,28", 0x0D},
        {BlueEdit, BlueEdit, 100, "WhiteBalance", "Blue", "64", 0x01},
        {RedSlider, RedEdit, 70, "WhiteBalance", "Red", "46", 0x02},
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
    QSlider* saturation = slider(page1(), SaturationSlider);
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
    drag(slider(page1(), RedSlider), 70);
    vx3sim::failFunction("VX3_LV_GetFrameRate");
    drag(slider(page2(), Page2Id::FrameSpeedSlider), 20);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].modality, Modality::System);
    for (const MessageRequest& box : dialogs.messages) {
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
    }
}

// Each radio sends its command (the OV7620's also clears every other owned bit of COMA) and, in
// automatic mode, the gains cannot be edited.
TEST_P(Page1Test, AutoAndManualSwitchTheSensorAndTheControls) {
    setRegister(0x12, 0x63);
    for (const auto& [radio, coma] :
         {std::pair{Auto, ov7610() ? 0x67 : 0x24}, {Manual, ov7610() ? 0x63 : 0x20}}) {
        vx3sim::clearLog();
        click(page1(), radio);
        EXPECT_EQ(registerWrites(), (std::vector<std::pair<int, int>>{{0x12, coma}}));
        const bool manual = radio == Manual;
        CCameraSetting1& page = page1();
        EXPECT_TRUE(page.controls().isChecked(radio));
        EXPECT_EQ(page.controls().isEnabled(manual ? RedSlider : BlueSlider), manual);
        EXPECT_EQ(page.controls().isEnabled(WhiteBalanceDefault), manual);
        EXPECT_EQ(edit(page, manual ? BlueEdit : RedEdit)->isReadOnly(), !manual);
    }
}

TEST_P(Page1Test, InAutomaticModeTheGainsAndEntriesStay) {
    typeInto(edit(page1(), BlueEdit), QStringLiteral("16"));
    VX3_WB_SetMode(1);
    vx3sim::clearLog();

    drag(slider(page1(), RedSlider), 50);
    EXPECT_EQ(page1().m_nRed, 50);
    EXPECT_EQ(entry("WhiteBalance", "Red"), "30");

    click(page1(), WhiteBalanceDefault);
    EXPECT_EQ(entry("WhiteBalance", "Blue"), "8c"); // the factory value
    EXPECT_EQ(edit(page1(), BlueEdit)->text(), "16");
    EXPECT_EQ(callCount("VX3_WB_SetWbVal"), 0);
}

TEST_P(Page1Test, GammaDefaultRestoresTheSensorsGammaEntries) {
    click(page1(), Level85);
    click(page1(), Curve05);
    if (ov7610()) {
        EXPECT_EQ(vx3sim::peekRegister(0x71) & 0x07, 0x02); // 85 %, curve 0.5
    } else { // the level and curve exist on the OV7610 only
        EXPECT_TRUE(registerWrites().empty());
    }
    EXPECT_EQ(entry("Gamma", "Gamma1"), ov7610() ? "71,03,02" : "64,01,01");
    typeAndLeave(edit(page1(), GammaEdit), QStringLiteral("10"));
    click(page1(), GammaDefault);
    EXPECT_EQ(entry("Gamma", "Gamma3"), ov7610() ? "72,FF,80" : "62,FE,80");
    EXPECT_EQ(edit(page1(), GammaEdit)->text(), "128");
    if (ov7610()) {
        EXPECT_EQ(entry("Gamma", "Gamma1"), "71,03,00");
        EXPECT_TRUE(page1().controls().isChecked(Level95));
        EXPECT_TRUE(page1().controls().isChecked(Curve045));
    }
}

TEST_P(Page1Test, ReadTakesTheCamerasValuesIntoPageAndStore) {
    setRegister(0x03, 0x40);
    setRegister(0x06, 0xAB);
    setRegister(0x71, 0x02); // OV7610: 85 %, curve 0.5
    const WhiteBalanceValue gains{0x50, 0x60};
    VX3_WB_SetWbVal(&gains);
    VX3_LV_SetFrameRate(15);
    click(page1(), Read);

    const QStringList taken{
        entry("Saturation", "Saturation"),     entry("Brightness", "Brightness"),
        entry("WhiteBalance", "Blue"),         entry("WhiteBalance", "Red"),
        entry("FrameSpeed", "FrameSpeed"),     edit(page1(), SaturationEdit)->text(),
        edit(page1(), BrightnessEdit)->text(), edit(page1(), BlueEdit)->text()};
    EXPECT_EQ(taken, (QStringList{"03,FF,40", "06,FF,ab", "50", "60", "15", "64", "171", "80"}));
    EXPECT_TRUE(page1().controls().isChecked(Manual));
    if (ov7610()) {
        EXPECT_EQ(entry("Gamma", "Gamma1"), "71,03,02");
        EXPECT_EQ(entry("Gamma", "Gamma2"), "71,04,00");
        EXPECT_TRUE(page1().controls().isChecked(Level85));
        EXPECT_TRUE(page1().controls().isChecked(Curve05));
    }
    EXPECT_EQ(callCount("VX3_EST_SetAdrsData"), 0);
}

INSTANTIATE_TEST_SUITE_P(BothSensors, Page1Test, kBothSensors, sensorName);

} // namespace
} // namespace halvex::test
