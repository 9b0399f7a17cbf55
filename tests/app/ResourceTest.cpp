// The main window, its menu and the two small dialogs, against tables written out here from the
// tool's documented resources.
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <QRect>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace halvex {
namespace {

using enum ControlKind;

struct GoldenControl {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height;
};

// Dialog 101 with every rectangle that the window's description gives: the edits, then the rest.
const int kMainWindowEdits[][5] = {
    {1228, 457, 110, 20, 12}, {1229, 457, 123, 20, 12}, {1191, 480, 110, 20, 12},
    {1189, 480, 123, 20, 12}, {1192, 500, 110, 20, 12}, {1190, 500, 123, 20, 12},
    {1210, 454, 174, 19, 12}, {1209, 454, 186, 19, 12}, {1212, 501, 174, 19, 12},
    {1213, 501, 186, 19, 12}, {1214, 516, 203, 10, 12}, {1218, 454, 226, 21, 12},
    {1219, 454, 239, 21, 12}, {1226, 476, 226, 21, 12}, {1220, 476, 239, 21, 12},
    {1227, 498, 226, 21, 12}, {1232, 498, 239, 21, 12}, {1193, 459, 286, 21, 12},
    {1194, 481, 286, 21, 12}, {1195, 459, 273, 21, 12}, {1196, 481, 273, 21, 12}};
const GoldenControl kMainWindow[] = {
    {1131, PushButton, "&Start", 77, 301, 117, 34},
    {1132, PushButton, "S&top", 221, 300, 115, 34},
    {1139, RadioButton, "On", 435, 10, 32, 8},
    {1140, RadioButton, "Off", 435, 18, 29, 8},
    {1136, CheckBox, "Cross Hairs", 437, 34, 51, 10},
    {1137, CheckBox, "Concentric Circles", 437, 42, 73, 10},
    {1138, CheckBox, "Field Display", 437, 50, 55, 10},
    {1157, CheckBox, "Zone1 Field Display", 437, 58, 76, 10},
    {1188, PushButton, "Get Auto Adj. Values", 433, 83, 90, 11},
    {1207, PushButton, "Get Manual Adj. Values", 433, 153, 90, 11},
    {1231, CheckBox, "Auto Ratio Check", 432, 204, 69, 11},
    {1150, PushButton, "&Capture", 472, 10, 51, 14},
    {1222, PushButton, "Get RGB", 370, 277, 53, 25},
    {1141, GroupBox, "Overlay Styles", 433, 26, 94, 44},
    {1142, GroupBox, "Overlay", 429, 0, 99, 72},
    {1000, BlackRect, "", 0, 0, 426, 268},
    {1001, BlackFrame, "", 427, 0, 104, 358},
    {1182, ProgressBar, "", 20, 345, 179, 11},
    {1183, Label, "", 1, 345, 197, 11},
    {1184, Label, "", 201, 345, 220, 11},
    {1187, GroupBox, "Auto Adjustment ", 430, 73, 99, 68},
    {1205, GroupBox, "Range", 434, 94, 94, 45},
    {1206, GroupBox, "Adjustment  Values", 430, 256, 99, 45},
    {1208, GroupBox, "Direct Image Adjustment", 430, 143, 99, 113},
    {1211, GroupBox, "Initial Value", 432, 164, 45, 37},
    {1215, GroupBox, "Green Limit", 481, 164, 46, 37},
    {1233, GroupBox, "Ratio", 432, 213, 94, 40},
};

// The labels whose places are only "beside their edits" or "in the Ratio box".
const std::map<int, std::string> kMainWindowLabels = {
    {1197, "Min"},  {1198, "Max"}, {1199, "Dec"},  {1200, "Hex"},     {1201, "Red"},
    {1202, "Blue"}, {1203, "Red"}, {1204, "Blue"}, {1216, "Red"},     {1217, "Blue"},
    {1223, "Max"},  {1224, "Min"}, {1225, "+/-"},  {1230, "Initial"}, {1234, "R/B"},
    {1235, "B/G"},  {1236, "R/G"}, {1237, "Max"},  {1238, "Min"},
};

// The controls the template does not hide.
const std::set<int> kShown = {1131, 1132, 1000, 1182, 1183, 1184,
                              1233, 1234, 1235, 1236, 1237, 1238};

const ControlTemplate& find(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id) {
            return control;
        }
    }
    ADD_FAILURE() << "no control " << id;
    return dialog.controls.front();
}

QRect rect(const ControlTemplate& control) {
    return {control.x, control.y, control.width, control.height};
}

bool has(const DialogTemplate& dialog, int id, std::uint32_t style) {
    return (find(dialog, id).style & style) != 0;
}

TEST(Resources, MainWindowTemplate) {
    const DialogTemplate& main = dialogTemplate(101);
    EXPECT_STREQ(main.caption, "Corvane Halvex Application (Camera Data Setting Screen)");
    EXPECT_EQ(QRect(0, 0, main.width, main.height), QRect(0, 0, 531, 359));
    EXPECT_STREQ(main.fontName, "Arial");
    EXPECT_EQ(main.fontPointSize, 8);
    EXPECT_EQ(main.menuId, 129);
    EXPECT_EQ(main.controls.size(),
              std::size(kMainWindowEdits) + std::size(kMainWindow) + kMainWindowLabels.size());
    for (const auto& [id, x, y, width, height] : kMainWindowEdits) {
        EXPECT_EQ(find(main, id).kind, Edit) << id;
        EXPECT_STREQ(find(main, id).text, "") << id;
        EXPECT_EQ(rect(find(main, id)), QRect(x, y, width, height)) << id;
    }
    for (const GoldenControl& golden : kMainWindow) {
        SCOPED_TRACE(golden.id);
        const ControlTemplate& control = find(main, golden.id);
        EXPECT_EQ(control.kind, golden.kind);
        EXPECT_STREQ(control.text, golden.text);
        EXPECT_EQ(rect(control), QRect(golden.x, golden.y, golden.width, golden.height));
    }
    for (const auto& [id, text] : kMainWindowLabels) {
        EXPECT_EQ(find(main, id).kind, Label) << id;
        EXPECT_EQ(find(main, id).text, text) << id;
    }
    for (const ControlTemplate& control : main.controls) {
        EXPECT_EQ(has(main, control.id, ControlStyle::Hidden), !kShown.contains(control.id))
            << control.id;
    }
    // Styles the technician meets: digits only, read-only upper case, the disabled buttons.
    const std::pair<std::uint32_t, std::vector<int>> styled[] = {
        {DigitsOnly, {1228, 1229, 1191, 1189, 1192, 1190, 1210, 1209, 1212, 1213, 1214}},
        {ReadOnly | UpperCase, {1193, 1194, 1195, 1196}},
        {Disabled, {1132, 1222}},
        {TextLeft, {1231}},
        {Centered, {1214}}};
    for (const auto& [style, ids] : styled) {
        for (int id : ids) {
            EXPECT_EQ(find(main, id).style & style, style) << id;
        }
    }
}

TEST(Resources, MainMenu) {
    const MenuItemTemplate golden[] = {
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
        const MenuItemTemplate& item = menu.items[i];
        EXPECT_STREQ(item.popup, golden[i].popup) << i;
        EXPECT_STREQ(item.text, golden[i].text) << i;
        EXPECT_EQ(item.text != nullptr ? item.id : 0, golden[i].id) << i;
        EXPECT_EQ(item.grayed, golden[i].grayed) << i;
    }
}

// Their captions are the titles the start-up test sees them run under.
TEST(Resources, DeviceInformationAndAboutDialogs) {
    const DialogTemplate& info = dialogTemplate(142);
    EXPECT_EQ(QRect(0, 0, info.width, info.height), QRect(0, 0, 170, 168));
    EXPECT_STREQ(info.fontName, "Arial");
    EXPECT_EQ(info.menuId, 0);
    EXPECT_EQ(find(info, 1).kind, DefPushButton);
    EXPECT_STREQ(find(info, 1).text, "OK");
    EXPECT_EQ(rect(find(info, 1)), QRect(60, 150, 50, 14));
    EXPECT_EQ(find(info, 1134).kind, SunkenLabel);
    EXPECT_EQ(rect(find(info, 1134)), QRect(1, 20, 168, 125));

    const DialogTemplate& about = dialogTemplate(158);
    EXPECT_EQ(QRect(0, 0, about.width, about.height), QRect(0, 0, 240, 95));
    EXPECT_STREQ(about.fontName, "MS Sans Serif");
    EXPECT_EQ(rect(find(about, 1)), QRect(95, 74, 50, 14));
    std::map<std::string, QPoint> lines;
    for (const ControlTemplate& control : about.controls) {
        if (control.kind == Label) {
            lines[control.text] = QPoint(control.x, control.y);
        }
    }
    EXPECT_EQ(lines["Corvane Halvex Application"], QPoint(92, 7));
    EXPECT_EQ(lines["Maintenance Tool"], QPoint(92, 17));
}

} // namespace
} // namespace halvex
