// The main window, its menu, the two small dialogs and the messages, against tables written out
// here from the tool's documented resources.
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace halvex {
namespace {

struct GoldenControl {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height;
    bool hidden;
};

using K = ControlKind;

// Dialog 101 with every rectangle that the window's description gives.
const GoldenControl kMainWindow[] = {
    {1131, K::PushButton, "&Start", 77, 301, 117, 34, false},
    {1132, K::PushButton, "S&top", 221, 300, 115, 34, false},
    {1139, K::RadioButton, "On", 435, 10, 32, 8, true},
    {1140, K::RadioButton, "Off", 435, 18, 29, 8, true},
    {1136, K::CheckBox, "Cross Hairs", 437, 34, 51, 10, true},
    {1137, K::CheckBox, "Concentric Circles", 437, 42, 73, 10, true},
    {1138, K::CheckBox, "Field Display", 437, 50, 55, 10, true},
    {1157, K::CheckBox, "Zone1 Field Display", 437, 58, 76, 10, true},
    {1188, K::PushButton, "Get Auto Adj. Values", 433, 83, 90, 11, true},
    {1228, K::Edit, "", 457, 110, 20, 12, true},
    {1229, K::Edit, "", 457, 123, 20, 12, true},
    {1191, K::Edit, "", 480, 110, 20, 12, true},
    {1189, K::Edit, "", 480, 123, 20, 12, true},
    {1192, K::Edit, "", 500, 110, 20, 12, true},
    {1190, K::Edit, "", 500, 123, 20, 12, true},
    {1207, K::PushButton, "Get Manual Adj. Values", 433, 153, 90, 11, true},
    {1210, K::Edit, "", 454, 174, 19, 12, true},
    {1209, K::Edit, "", 454, 186, 19, 12, true},
    {1212, K::Edit, "", 501, 174, 19, 12, true},
    {1213, K::Edit, "", 501, 186, 19, 12, true},
    {1214, K::Edit, "", 516, 203, 10, 12, true},
    {1231, K::CheckBox, "Auto Ratio Check", 432, 204, 69, 11, true},
    {1218, K::Edit, "", 454, 226, 21, 12, true},
    {1219, K::Edit, "", 454, 239, 21, 12, true},
    {1226, K::Edit, "", 476, 226, 21, 12, true},
    {1220, K::Edit, "", 476, 239, 21, 12, true},
    {1227, K::Edit, "", 498, 226, 21, 12, true},
    {1232, K::Edit, "", 498, 239, 21, 12, true},
    {1150, K::PushButton, "&Capture", 472, 10, 51, 14, true},
    {1222, K::PushButton, "Get RGB", 370, 277, 53, 25, true},
    {1141, K::GroupBox, "Overlay Styles", 433, 26, 94, 44, true},
    {1142, K::GroupBox, "Overlay", 429, 0, 99, 72, true},
    {1000, K::BlackRect, "", 0, 0, 426, 268, false},
    {1001, K::BlackFrame, "", 427, 0, 104, 358, true},
    {1182, K::ProgressBar, "", 20, 345, 179, 11, false},
    {1183, K::Label, "", 1, 345, 197, 11, false},
    {1184, K::Label, "", 201, 345, 220, 11, false},
    {1187, K::GroupBox, "Auto Adjustment ", 430, 73, 99, 68, true},
    {1205, K::GroupBox, "Range", 434, 94, 94, 45, true},
    {1206, K::GroupBox, "Adjustment  Values", 430, 256, 99, 45, true},
    {1193, K::Edit, "", 459, 286, 21, 12, true},
    {1194, K::Edit, "", 481, 286, 21, 12, true},
    {1195, K::Edit, "", 459, 273, 21, 12, true},
    {1196, K::Edit, "", 481, 273, 21, 12, true},
    {1208, K::GroupBox, "Direct Image Adjustment", 430, 143, 99, 113, true},
    {1211, K::GroupBox, "Initial Value", 432, 164, 45, 37, true},
    {1215, K::GroupBox, "Green Limit", 481, 164, 46, 37, true},
    {1233, K::GroupBox, "Ratio", 432, 213, 94, 40, false},
};

// The labels whose places are only "beside their edits" or "in the Ratio box".
const std::map<int, std::string> kMainWindowLabels = {
    {1197, "Min"},  {1198, "Max"}, {1199, "Dec"},  {1200, "Hex"},     {1201, "Red"},
    {1202, "Blue"}, {1203, "Red"}, {1204, "Blue"}, {1216, "Red"},     {1217, "Blue"},
    {1223, "Max"},  {1224, "Min"}, {1225, "+/-"},  {1230, "Initial"}, {1234, "R/B"},
    {1235, "B/G"},  {1236, "R/G"}, {1237, "Max"},  {1238, "Min"},
};

const ControlTemplate* find(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

QRect rect(const ControlTemplate& control) {
    return {control.x, control.y, control.width, control.height};
}

TEST(Resources, MainWindowTemplate) {
    const DialogTemplate& main = dialogTemplate(101);
    EXPECT_STREQ(main.caption, "Corvane Halvex Application (Camera Data Setting Screen)");
    EXPECT_EQ(QSize(main.width, main.height), QSize(531, 359));
    EXPECT_STREQ(main.fontName, "Arial");
    EXPECT_EQ(main.fontPointSize, 8);
    EXPECT_EQ(main.menuId, 129);
    EXPECT_EQ(main.controls.size(), std::size(kMainWindow) + kMainWindowLabels.size());

    for (const GoldenControl& golden : kMainWindow) {
        SCOPED_TRACE(golden.id);
        const ControlTemplate* control = find(main, golden.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, golden.kind);
        EXPECT_STREQ(control->text, golden.text);
        EXPECT_EQ(rect(*control), QRect(golden.x, golden.y, golden.width, golden.height));
        EXPECT_EQ((control->style & ControlStyle::Hidden) != 0, golden.hidden);
    }
    for (const auto& [id, text] : kMainWindowLabels) {
        SCOPED_TRACE(id);
        const ControlTemplate* control = find(main, id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, K::Label);
        EXPECT_EQ(control->text, text);
        EXPECT_EQ((control->style & ControlStyle::Hidden) != 0, id < 1234);
    }

    // Styles the technician meets: digits only, read-only upper case, the disabled buttons.
    for (int id : {1228, 1229, 1191, 1189, 1192, 1190, 1210, 1209, 1212, 1213, 1214}) {
        EXPECT_NE(find(main, id)->style & ControlStyle::DigitsOnly, 0u) << id;
    }
    for (int id : {1193, 1194, 1195, 1196}) {
        EXPECT_NE(find(main, id)->style & ControlStyle::ReadOnly, 0u) << id;
        EXPECT_NE(find(main, id)->style & ControlStyle::UpperCase, 0u) << id;
    }
    for (int id : {1132, 1222}) {
        EXPECT_NE(find(main, id)->style & ControlStyle::Disabled, 0u) << id;
    }
    EXPECT_NE(find(main, 1231)->style & ControlStyle::TextLeft, 0u);
    EXPECT_NE(find(main, 1214)->style & ControlStyle::Centered, 0u);
}

TEST(Resources, MainMenu) {
    const struct {
        const char* popup;
        const char* text; // nullptr: separator
        int id;
        bool grayed;
    } golden[] = {
        {"&File", "&New", 32788, false},
        {"&File", "&Load", 32790, false},
        {"&File", "&Save", 32789, false},
        {"&File", "E&xit", 32779, false},
        {"&Window", "&Camera Data Setting Screen", 32796, false},
        {"&Window", "&Maintenance Screen", 32795, false},
        {"&Window", "&Application Data Setting Screen", 32797, false},
        {"&Window", "Camera &Sequential Screen", 32798, false},
        {"&Window", "&Device Information", 32799, false},
        {"&Help", "&Help Topics", 32800, true},
        {"&Help", "&Overview", 32802, true},
        {"&Help", nullptr, 0, false},
        {"&Help", "&About Halvex Application", 32803, false},
    };
    const MenuTemplate& menu = menuTemplate(129);
    ASSERT_EQ(menu.items.size(), std::size(golden));
    for (std::size_t i = 0; i < std::size(golden); ++i) {
        SCOPED_TRACE(i);
        const MenuItemTemplate& item = menu.items[i];
        EXPECT_STREQ(item.popup, golden[i].popup);
        EXPECT_STREQ(item.text, golden[i].text);
        EXPECT_EQ(item.text != nullptr ? item.id : 0, golden[i].id);
        EXPECT_EQ(item.grayed, golden[i].grayed);
    }
}

TEST(Resources, DeviceInformationAndAboutDialogs) {
    const DialogTemplate& info = dialogTemplate(142);
    EXPECT_STREQ(info.caption, "Corvane Halvex Application");
    EXPECT_EQ(QSize(info.width, info.height), QSize(170, 168));
    EXPECT_STREQ(info.fontName, "Arial");
    EXPECT_EQ(info.menuId, 0);
    const ControlTemplate* ok = find(info, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->kind, K::DefPushButton);
    EXPECT_STREQ(ok->text, "OK");
    EXPECT_EQ(rect(*ok), QRect(60, 150, 50, 14));
    const ControlTemplate* text = find(info, 1134);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->kind, K::SunkenLabel);
    EXPECT_EQ(rect(*text), QRect(1, 20, 168, 125));

    const DialogTemplate& about = dialogTemplate(158);
    EXPECT_STREQ(about.caption, "About Halvex Application");
    EXPECT_EQ(QSize(about.width, about.height), QSize(240, 95));
    EXPECT_STREQ(about.fontName, "MS Sans Serif");
    ok = find(about, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(rect(*ok), QRect(95, 74, 50, 14));
    std::map<std::string, QPoint> lines;
    for (const ControlTemplate& control : about.controls) {
        if (control.kind == K::Label) {
            lines[control.text] = QPoint(control.x, control.y);
        }
    }
    EXPECT_EQ(lines["Corvane Halvex Application"], QPoint(92, 7));
    EXPECT_EQ(lines["Maintenance Tool"], QPoint(92, 17));
}

TEST(Resources, MessagesOfTheMainWindow) {
    const std::pair<int, const char*> golden[] = {
        {1, "No initialization file was loaded. Do you want to end this session?"},
        {2, "A backup of the old ini file was created."},
        {3, "The default ini file was not found in the application directory. Re-installation is "
            "highly recommended."},
        {4, "The file was successfully saved."},
        {7, "The specified file extension is invalid. The image file will be saved in JPEG "
            "format."},
        {8, "Camera initialization failed. An instance of the application may already be running "
            "or the device is not connected."},
        {9, "Device not detected."},
        {10, "Application initialization failed. The USB vendor ID was not found."},
        {11, "Application initialization failed. The USB product ID was not found."},
        {12, "Application initialization failed. The SDK version was not found."},
        {13, "Application initialization failed. The Camera version was not found."},
        {18, "Unmount camera command failed."},
        {22, "An error occured in VX3_LV_StartMovie(). Please restart the application."},
        {25, "An error occured in VX3_LV_StopMovie(). "},
    };
    for (const auto& [id, text] : golden) {
        EXPECT_EQ(loadString(id), QString::fromLatin1(text)) << id;
    }
}

} // namespace
} // namespace halvex
