// The settings sheet in the main window: its tabs and place, the rebuild after every load, the
// two layouts, shut-down and the factory values of default.ini.
#include "CameraSettingsFixture.h"

#include "framework/MenuBar.h"

#include <QTabBar>

namespace halvex::test {
namespace {

using SheetTest = CameraSettingsTest;

const QString kMessage3 =
    QStringLiteral("The default ini file was not found in the application directory. "
                   "Re-installation is highly recommended.");

TEST_P(SheetTest, SitsInTheRightHandStripWithPage1Active) {
    PropertySheet& sheet = *window->m_pSheet;
    EXPECT_EQ(sheet.parentWidget(), window->clientArea());
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.tabText(0), "    Page 1    ");
    EXPECT_EQ(sheet.tabText(1), "   Page 2   ");
    EXPECT_EQ(sheet.activePage(), window->m_pPage1.get());
    EXPECT_EQ(sheet.pos(), QPoint(635, -3));
    EXPECT_EQ(page1().size(), QSize(144, 526));
    EXPECT_LE(sheet.geometry().right(), 799);
}

TEST_P(SheetTest, Page2IsInitialisedOnItsFirstSelectionWithTheFrameSpeedReadAgain) {
    settingsStore().setValue(section("FrameSpeed"), u"FrameSpeed", QStringLiteral("12"));
    EXPECT_EQ(window->m_pPage2->m_strFrameSpeed, "30"); // taken when built
    window->m_pSheet->tabBar()->setCurrentIndex(1);     // a click on the tab
    CCameraSetting2& page = *window->m_pPage2;
    EXPECT_EQ(edit(page, Page2Id::FrameSpeedEdit)->text(), "12");
    const QSlider* speed = slider(page, Page2Id::FrameSpeedSlider);
    EXPECT_EQ(std::tuple(speed->minimum(), speed->maximum(), speed->value()),
              std::tuple(1, 30, 12));
    // Placed at its design size, as page 1 was before the sheet took its final size.
    EXPECT_EQ(page.geometry(), QRect(0, 0, 145, 600));
}

// Load and New rebuild both pages from their file, page 1 active.
TEST_P(SheetTest, LoadAndNewRebuildBothPages) {
    dialogs.fileAnswers.push_back(
        writeVariant(QStringLiteral("site.ini"), {{"Saturation=03,FF,80", "Saturation=03,FF,40"},
                                                  {"FrameSpeed=30", "FrameSpeed=15"}}));
    page2();
    window->ShowMaintenanceLayout();
    window->menu()->choose(MenuId::FileLoad);
    EXPECT_TRUE(window->m_pSheet->isVisible());
    EXPECT_EQ(window->m_pSheet->activeIndex(), 0);
    EXPECT_EQ(edit(page1(), Page1Id::SaturationEdit)->text(), "64");
    EXPECT_EQ(edit(page2(), Page2Id::FrameSpeedEdit)->text(), "15");

    window->menu()->choose(MenuId::FileNew);
    EXPECT_EQ(window->m_pSheet->activeIndex(), 0);
    EXPECT_EQ(edit(page1(), Page1Id::SaturationEdit)->text(), "128");
    EXPECT_EQ(edit(page2(), Page2Id::FrameSpeedEdit)->text(), "30");
}

TEST_P(SheetTest, TheLayoutsOnlyHideAndShowTheSheetAndShutDownDestroysIt) {
    PropertySheet* sheet = window->m_pSheet.get();
    window->menu()->choose(MenuId::MaintenanceScreen);
    EXPECT_FALSE(sheet->isVisible());
    window->menu()->choose(MenuId::CameraDataScreen);
    EXPECT_EQ(window->m_pSheet.get(), sheet);
    EXPECT_TRUE(sheet->isVisible());
    window->menu()->choose(MenuId::FileExit);
    EXPECT_TRUE(window->hasEnded());
    EXPECT_TRUE(!window->m_pSheet && !window->m_pPage1 && !window->m_pPage2);
}

TEST_P(SheetTest, DefaultButtonsReadDefaultIniEvenWithAnotherFileLoaded) {
    const QString other =
        writeVariant(QStringLiteral("site.ini"), {{"Contrast=05,FF,80", "Contrast=05,FF,20"},
                                                  {"Contrast=64,FE,80", "Contrast=64,FE,20"}});
    dialogs.fileAnswers.push_back(other);
    window->menu()->choose(MenuId::FileLoad);
    ASSERT_EQ(edit(page1(), Page1Id::ContrastEdit)->text(), "32");

    click(page1(), Page1Id::ContrastDefault);
    EXPECT_EQ(entry("Contrast", "Contrast"), ov7610() ? "05,FF,80" : "64,FE,80");
    EXPECT_EQ(edit(page1(), Page1Id::ContrastEdit)->text(), "128");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_P(SheetTest, MissingFactoryValueShowsMessage3OncePerKeyAndKeepsTheValue) {
    writeVariant(QStringLiteral("default.ini"), {{"Blue=8c", "Blue="}, {"Red=30", "Red="}});
    const QString blue = entry("WhiteBalance", "Blue");
    click(page1(), Page1Id::WhiteBalanceDefault);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{kMessage3, kMessage3}));
    EXPECT_EQ(dialogs.messages[0].modality, Modality::Task);
    EXPECT_TRUE(dialogs.messages[0].topmost);
    EXPECT_EQ(entry("WhiteBalance", "Blue"), blue);

    ASSERT_TRUE(QFile::remove(workPath(QStringLiteral("default.ini"))));
    dialogs.messages.clear();
    vx3sim::clearLog();
    choose(list(page2(), Page2Id::AwbList), 0);
    click(page2(), Page2Id::AwbDefault);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{kMessage3});
    EXPECT_EQ(dialogs.messages[0].modality, Modality::System);
    // The button still sends the entry it kept.
    EXPECT_EQ(entry("AWBSpeed", "AWBSpeed"), "20,02,00");
    EXPECT_EQ(list(page2(), Page2Id::AwbList)->currentText(), "LOW");
}

TEST_P(SheetTest, Page1GivesFactoryValuesInTwoDigitFormPage2AsStored) {
    writeVariant(QStringLiteral("default.ini"), {{"Blue=8c", "Blue=8"}});
    const QString wb = section("WhiteBalance");
    EXPECT_EQ(page1().ReadCameraDefault(wb, QStringLiteral("Blue"), QString()), "08");
    EXPECT_EQ(page2().ReadCameraDefault(wb, QStringLiteral("Blue"), QString()), "8");
}

INSTANTIATE_TEST_SUITE_P(BothSensors, SheetTest, kBothSensors, sensorName);

// Another sensor: every control stays usable; the steps that need the sensor's entries or
// commands are skipped and the library's own steps run.
using UnknownSensorTest = CameraSettingsTest;

TEST_P(UnknownSensorTest, ControlsStayUsableAndOnlyTheLibrarysStepsRun) {
    const QStringList stored = storeValues();
    for (int id : {Page1Id::SaturationEdit, Page1Id::GammaSlider, Page1Id::BiasRedDefault,
                   Page1Id::Auto, Page1Id::GammaDefault, Page1Id::WhiteBalanceDefault,
                   Page1Id::Level95, Page1Id::Curve05}) {
        EXPECT_TRUE(page1().controls().isEnabled(id)) << id;
    }
    for (int id : {Page2Id::SuperGainList, Page2Id::AlcDefault, Page2Id::FrameSpeedDefault}) {
        EXPECT_TRUE(page2().controls().isEnabled(id)) << id;
    }
    typeAndLeave(edit(page1(), Page1Id::BlueEdit), QStringLiteral("100"));
    vx3sim::clearLog();
    typeAndLeave(edit(page1(), Page1Id::SaturationEdit), QStringLiteral("50"));
    drag(slider(page1(), Page1Id::ContrastSlider), 60);
    for (int id : {Page1Id::SaturationDefault, Page1Id::GammaDefault, Page1Id::Level85}) {
        click(page1(), id);
    }
    choose(list(page2(), Page2Id::SuperGainList), 1);
    click(page2(), Page2Id::AwbDefault);
    EXPECT_TRUE(vx3sim::log().empty());
    EXPECT_EQ(edit(page1(), Page1Id::SaturationEdit)->text(), "50");
    EXPECT_EQ(edit(page1(), Page1Id::ContrastEdit)->text(), "60");
    EXPECT_EQ(list(page2(), Page2Id::SuperGainList)->currentText(), "ON");

    // The gains the page has go back to the camera; the library's mode and gains are read.
    click(page1(), Page1Id::WhiteBalanceDefault);
    click(page1(), Page1Id::Auto);
    EXPECT_EQ(calls(),
              (std::vector<std::string>{"VX3_WB_GetMode", "VX3_WB_SetWbVal", "VX3_WB_GetWbVal",
                                        "VX3_WB_GetWbVal", "VX3_WB_GetMode"}));
    EXPECT_EQ(vx3sim::peekRegister(0x01), 100);
    EXPECT_EQ(edit(page1(), Page1Id::BlueEdit)->text(), "100");

    drag(slider(page2(), Page2Id::FrameSpeedSlider), 20);
    vx3sim::clearLog();
    click(page2(), Page2Id::FrameSpeedDefault); // no factory rate: the camera's is shown
    EXPECT_EQ(calls(), std::vector<std::string>{"VX3_LV_GetFrameRate"});
    EXPECT_EQ(edit(page2(), Page2Id::FrameSpeedEdit)->text(), "20");
    EXPECT_EQ(storeValues(), stored);
    EXPECT_TRUE(dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(OtherSensor, UnknownSensorTest,
                         ::testing::Values(SensorCase{"OV9650", ""}), sensorName);

} // namespace
} // namespace halvex::test
