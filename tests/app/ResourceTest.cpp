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

// The main window and the two small dialogs: size, font, menu and the controls written out (of
// the main window all 67). Their captions are the titles the start-up test sees.
TEST(Resources, DialogTemplates) {
    const std::tuple<int, QRect, const char*, int, std::size_t> cases[] = {
        {101, {0, 0, 531, 359}, "Arial", 129, 67},
        {142, {0, 0, 170, 168}, "Arial", 0, 3},
        {158, {0, 0, 240, 95}, "MS Sans Serif", 0, 3}};
    for (const auto& [id, size, font, menu, written] : cases) {
        SCOPED_TRACE(id);
        const DialogTemplate& dialog = dialogTemplate(id);
        EXPECT_EQ(QRect(0, 0, dialog.width, dialog.height), size);
        EXPECT_STREQ(dialog.fontName, font);
        EXPECT_EQ(dialog.fontPointSize, 8);
        EXPECT_EQ(dialog.menuId, menu);
        const std::vector<test::GoldenControl> golden = test::goldenControls(id);
        EXPECT_EQ(golden.size(), written);
        test::expectControls(dialog, golden);
    }
    // Only these main window controls are shown by the template.
    const std::set<int> shown = {1131, 1132, 1000, 1182, 1183, 1184,
                                 1233, 1234, 1235, 1236, 1237, 1238};
    EXPECT_EQ(dialogTemplate(101).controls.size(), 67u);
    for (const ControlTemplate& control : dialogTemplate(101).controls) {
        EXPECT_EQ((control.style & ControlStyle::Hidden) != 0, !shown.contains(control.id))
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

} // namespace
} // namespace halvex
