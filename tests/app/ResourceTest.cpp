// The main window, its menu and the two small dialogs, against tables written out from the tool's
// documented resources.
#include "GoldenControls.h"
#include "resources/ResourceIds.h"

#include <QRect>
#include <QStringList>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <vector>

namespace halvex {
namespace {

// The controls the template does not hide.
const std::set<int> kShown = {1131, 1132, 1000, 1182, 1183, 1184,
                              1233, 1234, 1235, 1236, 1237, 1238};

// Its caption and menu are those the start-up test sees.
TEST(Resources, MainWindowTemplate) {
    const DialogTemplate& main = dialogTemplate(101);
    EXPECT_EQ(QRect(0, 0, main.width, main.height), QRect(0, 0, 531, 359));
    EXPECT_STREQ(main.fontName, "Arial");
    EXPECT_EQ(main.fontPointSize, 8);
    const std::vector<test::GoldenControl> golden = test::goldenControls(101);
    EXPECT_EQ(golden.size(), 67u);
    EXPECT_EQ(main.controls.size(), golden.size());
    test::expectControls(main, golden);
    for (const ControlTemplate& control : main.controls) {
        EXPECT_EQ((control.style & ControlStyle::Hidden) != 0, !kShown.contains(control.id))
            << control.id;
    }
}

// Popup, item and id, each grayed item marked so; the separator as "-".
TEST(Resources, MainMenu) {
    QStringList items;
    for (const MenuItemTemplate& item : menuTemplate(129).items) {
        items << (item.text == nullptr
                      ? QStringLiteral("%1 -").arg(item.popup)
                      : QStringLiteral("%1 %2 %3").arg(item.popup, item.text).arg(item.id)) +
                     (item.grayed ? " grayed" : "");
    }
    EXPECT_EQ(items, (QStringList{"&File &New 32788", "&File &Load 32790", "&File &Save 32789",
                                  "&File E&xit 32779", "&Window &Camera Data Setting Screen 32796",
                                  "&Window &Maintenance Screen 32795",
                                  "&Window &Application Data Setting Screen 32797",
                                  "&Window Camera &Sequential Screen 32798",
                                  "&Window &Device Information 32799",
                                  "&Help &Help Topics 32800 grayed", "&Help &Overview 32802 grayed",
                                  "&Help -", "&Help &About Halvex Application 32803"}));
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
