// The main window, its menu and the two small dialogs, against tables written out from the tool's
// documented resources.
#include "GoldenControls.h"
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

TEST(Resources, MainWindowTemplate) {
    const DialogTemplate& main = dialogTemplate(101);
    EXPECT_STREQ(main.caption, "Corvane Halvex Application (Camera Data Setting Screen)");
    EXPECT_EQ(QRect(0, 0, main.width, main.height), QRect(0, 0, 531, 359));
    EXPECT_STREQ(main.fontName, "Arial");
    EXPECT_EQ(main.fontPointSize, 8);
    EXPECT_EQ(main.menuId, 129);
    const std::vector<test::GoldenControl> golden = test::goldenControls(101);
    EXPECT_EQ(golden.size(), 67u);
    EXPECT_EQ(main.controls.size(), golden.size());
    test::expectControls(main, golden);
    for (const ControlTemplate& control : main.controls) {
        EXPECT_EQ((control.style & ControlStyle::Hidden) != 0, !kShown.contains(control.id))
            << control.id;
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
