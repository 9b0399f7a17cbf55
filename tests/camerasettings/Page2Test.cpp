// Page 2 driven as a technician drives it, on both sensors: the switch lists, the frame speed and
// Direct Setup.
#include "CameraSettingsFixture.h"

#include "resources/ResourceIds.h"

namespace halvex::test {
namespace {

using Page2Test = CameraSettingsTest;

TEST_P(Page2Test, ListsShowTheStoredStates) {
    CCameraSetting2& page = page2();
    EXPECT_EQ(list(page, Page2Id::SuperGainList)->currentText(), QStringLiteral("OFF"));
    EXPECT_EQ(list(page, Page2Id::AwbList)->currentText(), QStringLiteral("HIGH"));
    EXPECT_EQ(list(page, Page2Id::AecList)->currentText(), QStringLiteral("HIGH"));
    EXPECT_EQ(list(page, Page2Id::SuperGainList)->count(), 2);
    if (ov7610()) {
        EXPECT_EQ(list(page, Page2Id::AlcList)->currentText(), QStringLiteral("HIGH"));
        EXPECT_TRUE(page.controls().isEnabled(Page2Id::AlcList));
    } else {
        EXPECT_EQ(list(page, Page2Id::AlcList)->currentText(), QString());
        for (int id : {Page2Id::AlcGroup, Page2Id::AlcDefault, Page2Id::AlcList}) {
            EXPECT_FALSE(page.controls().isEnabled(id)) << id;
        }
    }
    EXPECT_EQ(edit(page, Page2Id::FrameSpeedEdit)->text(), QStringLiteral("30"));
}

// A choice sends the command of that state, then the list shows the state read back.
struct Choice {
    int list;
    int index;
    const char* section;
    const char* key;
    const char* ov7610Entry;
    const char* ov7620Entry;
    int ov7610Register;
    int ov7620Register;
    const char* shown;
};

TEST_P(Page2Test, ChoosingAStateSendsItsCommand) {
    const Choice choices[] = {
        {Page2Id::SuperGainList, 1, "SuperGain", "Gain", "0E,80,80", "74,60,60", 0x0E, 0x74, "ON"},
        {Page2Id::AecList, 0, "AECSpeed", "AECSpeed", "2D,80,00", "2D,FF,05", 0x2D, 0x2D, "LOW"},
        {Page2Id::AwbList, 0, "AWBSpeed", "AWBSpeed", "20,02,00", "20,02,00", 0x20, 0x20, "LOW"},
        {Page2Id::AecList, 1, "AECSpeed", "AECSpeed", "2D,80,80", "2D,FF,FF", 0x2D, 0x2D, "HIGH"},
    };
    for (const Choice& c : choices) {
        SCOPED_TRACE(c.ov7610Entry);
        vx3sim::clearLog();
        choose(list(page2(), c.list), c.index);
        EXPECT_EQ(entry(c.section, c.key), QLatin1String(ov7610() ? c.ov7610Entry : c.ov7620Entry));
        ASSERT_EQ(registerWrites().size(), 1u);
        EXPECT_EQ(registerWrites()[0].first, ov7610() ? c.ov7610Register : c.ov7620Register);
        EXPECT_EQ(list(page2(), c.list)->currentText(), QLatin1String(c.shown));
    }
    EXPECT_EQ(vx3sim::peekRegister(ov7610() ? 0x0E : 0x74) & (ov7610() ? 0x80 : 0x60),
              ov7610() ? 0x80 : 0x60);

    click(page2(), Page2Id::SuperGainDefault);
    EXPECT_EQ(entry("SuperGain", "Gain"),
              ov7610() ? QStringLiteral("0E,80,00") : QStringLiteral("74,60,20"));
    EXPECT_EQ(list(page2(), Page2Id::SuperGainList)->currentText(), QStringLiteral("OFF"));
}

struct FrameSpeedStep {
    const char* typed;
    const char* shown;
    int sent;
};

TEST_P(Page2Test, FrameSpeedIsSetWhenTheBoxIsLeft) {
    // Emptying the box moves the slider to its lowest position, which is then sent.
    const FrameSpeedStep steps[] = {
        {"12", "12", 12}, {"45", "30", 30}, {"", "1", 1}, {"7", "7", 7}, {"0", "1", 1},
    };
    QLineEdit* box = edit(page2(), Page2Id::FrameSpeedEdit);
    for (const FrameSpeedStep& step : steps) {
        SCOPED_TRACE(step.typed);
        typeInto(box, QLatin1String(step.typed));
        EXPECT_EQ(callCount("VX3_LV_SetFrameRate"), 0);
        leave(box);
        EXPECT_EQ(callCount("VX3_LV_SetFrameRate"), 1);
        std::uint16_t rate = 0;
        VX3_LV_GetFrameRate(&rate);
        EXPECT_EQ(rate, step.sent);
        EXPECT_EQ(box->text(), QLatin1String(step.shown));
        EXPECT_EQ(entry("FrameSpeed", "FrameSpeed"), QLatin1String(step.shown));
        vx3sim::clearLog();
    }
}

TEST_P(Page2Test, FrameSpeedSliderAndDefault) {
    drag(slider(page2(), Page2Id::FrameSpeedSlider), 20);
    EXPECT_EQ(entry("FrameSpeed", "FrameSpeed"), QStringLiteral("20"));
    EXPECT_EQ(edit(page2(), Page2Id::FrameSpeedEdit)->text(), QStringLiteral("20"));
    click(page2(), Page2Id::FrameSpeedDefault);
    EXPECT_EQ(entry("FrameSpeed", "FrameSpeed"), QStringLiteral("30"));
    EXPECT_EQ(slider(page2(), Page2Id::FrameSpeedSlider)->value(), 30);
}

struct DirectStep {
    int button;
    const char* input;
    const char* output;
};

TEST_P(Page2Test, DirectSetupWritesAndReadsAnyRegister) {
    const DirectStep steps[] = {
        {Page2Id::Set, "14,04,00", "0"}, {Page2Id::Get, "14,04", "0"},
        {Page2Id::Set, "14,04,04", "4"}, {Page2Id::Get, "14,04", "4"},
        {Page2Id::Get, "14,4", "0"},     {Page2Id::Get, "14,04,04", "4"},
        {Page2Id::Get, "1d,ff,", "a2"},
    };
    QLineEdit* input = edit(page2(), Page2Id::Input);
    for (const DirectStep& step : steps) {
        SCOPED_TRACE(step.input);
        typeInto(input, QLatin1String(step.input));
        click(page2(), step.button);
        EXPECT_EQ(edit(page2(), Page2Id::Output)->text(), QLatin1String(step.output));
    }
    EXPECT_EQ(input->text(), QStringLiteral("1D,FF,"));
    EXPECT_EQ(vx3sim::peekRegister(0x14) & 0x04, 0x04);

    vx3sim::clearLog();
    typeInto(input, QString());
    click(page2(), Page2Id::Set);
    EXPECT_TRUE(vx3sim::log().empty());
}

TEST_P(Page2Test, ListsNameTheirStoredCommandInTheirTooltip) {
    EXPECT_EQ(list(page2(), Page2Id::SuperGainList)->toolTip(),
              ov7610() ? QStringLiteral("0E,80,00: register 0x0E, mask 0x80")
                       : QStringLiteral("74,60,20: register 0x74, mask 0x60"));
    choose(list(page2(), Page2Id::AwbList), 0);
    EXPECT_EQ(list(page2(), Page2Id::AwbList)->toolTip(),
              QStringLiteral("20,02,00: register 0x20, mask 0x02"));
}

INSTANTIATE_TEST_SUITE_P(BothSensors, Page2Test, kBothSensors, sensorName);

} // namespace
} // namespace halvex::test
