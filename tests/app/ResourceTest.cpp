// The main window, its menu and the two small dialogs, against tables written out from the tool's
// documented resources.
#include "GoldenControls.h"
#include "resources/ResourceIds.h"

#include <QRect>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

namespace halvex {
namespace {

// The controls the template does not hide.
const std::set<int> kShown = {1131, 1132, 1000, 1182, 1183, 1184,
                              1233, 1234, 1235, 1236, 1237, 1238};

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
    const std::tuple<int, QRect, const char*> cases[] = {{142, {0, 0, 170, 168}, "Arial"},
                                                         {158, {0, 0, 240, 95}, "MS Sans Serif"}};
    for (const auto& [id, size, font] : cases) {
        const DialogTemplate& dialog = dialogTemplate(id);
        EXPECT_EQ(QRect(0, 0, dialog.width, dialog.height), size);
        EXPECT_STREQ(dialog.fontName, font);
        EXPECT_EQ(dialog.menuId, 0);
        const std::vector<test::GoldenControl> golden = test::goldenControls(id);
        EXPECT_EQ(golden.size(), 3u);
        test::expectControls(dialog, golden);
    }
}

} // namespace
} // namespace halvex
