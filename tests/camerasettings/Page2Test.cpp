// Page 2 driven as a technician drives it, on both sensors: the switch lists, the frame speed and
// Direct Setup.
#include "CameraSettingsFixture.h"

namespace halvex::test {
namespace {

using namespace Page2Id;
using Page2Test = CameraSettingsTest;

TEST_P(Page2Test, ListsShowTheStoredStates) {
    CCameraSetting2& page = page2();
    QStringList shown;
    for (int id : {SuperGainList, AwbList, AecList, AlcList}) {
        shown << list(page, id)->currentText();
    }
    EXPECT_EQ(shown, (QStringList{"OFF", "HIGH", "HIGH", ov7610() ? "HIGH" : ""}));
    for (int id : {AlcGroup, AlcDefault, AlcList}) {
        EXPECT_EQ(page.controls().isEnabled(id), ov7610()) << id;
    }
    EXPECT_EQ(list(page, SuperGainList)->toolTip(), ov7610()
                                                        ? "0E,80,00: register 0x0E, mask 0x80"
                                                        : "74,60,20: register 0x74, mask 0x60");
}

// A choice sends the command of that state, then the list shows the state read back.
TEST_P(Page2Test, ChoosingAStateSendsItsCommand) {
    choose(list(page2(), SuperGainList), 1);
    const auto [address, bits] = ov7610() ? std::pair{0x0E, 0x80} : std::pair{0x74, 0x60};
    ASSERT_EQ(registerWrites().size(), 1u);
    EXPECT_EQ(registerWrites()[0].first, address);
    EXPECT_EQ(vx3sim::peekRegister(static_cast<std::uint8_t>(address)) & bits, bits);
    EXPECT_EQ(list(page2(), SuperGainList)->currentText(), "ON");
    vx3sim::clearLog();
    choose(list(page2(), AecList), 0);
    choose(list(page2(), AecList), 1);
    EXPECT_EQ(entry("AECSpeed", "AECSpeed"), ov7610() ? "2D,80,80" : "2D,FF,FF");
    EXPECT_EQ(registerWrites().size(), 2u);
    EXPECT_EQ(registerWrites()[1].first, 0x2D);
    EXPECT_EQ(list(page2(), AecList)->currentText(), "HIGH");

    click(page2(), SuperGainDefault);
    EXPECT_EQ(entry("SuperGain", "Gain"), ov7610() ? "0E,80,00" : "74,60,20");
    EXPECT_EQ(list(page2(), SuperGainList)->currentText(), "OFF");
}

TEST_P(Page2Test, FrameSpeedIsSetWhenTheBoxIsLeft) {
    // Typed, shown and sent; emptying the box moves the slider to its lowest position, which is
    // then sent.
    const std::tuple<const char*, const char*, int> steps[] = {
        {"12", "12", 12}, {"45", "30", 30}, {"", "1", 1}, {"7", "7", 7}, {"0", "1", 1}};
    QLineEdit* box = edit(page2(), FrameSpeedEdit);
    for (const auto& [typed, shown, sent] : steps) {
        SCOPED_TRACE(typed);
        vx3sim::clearLog();
        typeInto(box, QLatin1String(typed));
        EXPECT_EQ(callCount("VX3_LV_SetFrameRate"), 0);
        leave(box);
        EXPECT_EQ(callCount("VX3_LV_SetFrameRate"), 1);
        std::uint16_t rate = 0;
        VX3_LV_GetFrameRate(&rate);
        EXPECT_EQ(rate, sent);
        EXPECT_EQ(box->text(), QLatin1String(shown));
        EXPECT_EQ(entry("FrameSpeed", "FrameSpeed"), QLatin1String(shown));
    }
    click(page2(), FrameSpeedDefault);
    EXPECT_EQ(entry("FrameSpeed", "FrameSpeed"), "30");
    EXPECT_EQ(slider(page2(), FrameSpeedSlider)->value(), 30);
}

TEST_P(Page2Test, DirectSetupWritesAndReadsAnyRegister) {
    // The button, the input and the output shown.
    const std::tuple<int, const char*, const char*> steps[] = {
        {Set, "14,04,00", "0"}, {Get, "14,04", "0"},    {Set, "14,04,04", "4"}, {Get, "14,04", "4"},
        {Get, "14,4", "0"},     {Get, "14,04,04", "4"}, {Get, "1d,ff,", "A2"},
    };
    QLineEdit* input = edit(page2(), Input);
    for (const auto& [button, typed, output] : steps) {
        SCOPED_TRACE(typed);
        typeInto(input, QLatin1String(typed));
        click(page2(), button);
        EXPECT_EQ(edit(page2(), Output)->text(), QLatin1String(output));
    }
    EXPECT_EQ(input->text(), "1D,FF,");
    EXPECT_EQ(vx3sim::peekRegister(0x14) & 0x04, 0x04);

    vx3sim::clearLog();
    typeInto(input, QString());
    click(page2(), Set);
    EXPECT_TRUE(vx3sim::log().empty());
}

INSTANTIATE_TEST_SUITE_P(BothSensors, Page2Test, kBothSensors, sensorName);

} // namespace
} // namespace halvex::test
