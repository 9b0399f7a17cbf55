// Dialogs 107 and 108 against tables written out from the pages' documented controls.
#include "GoldenControls.h"

#include <QRect>
#include <gtest/gtest.h>
#include <vector>

namespace halvex {
namespace {

TEST(CameraSettingTemplates, BothPages) {
    struct Case {
        int id;
        const char* caption;
        int width;
        std::size_t listed;
        std::size_t unlisted; // the sliders' end labels of page 1, two under each of its eight
    };
    const Case cases[] = {{107, "    Page 1    ", 85, 46, 16}, {108, "   Page 2   ", 84, 27, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const DialogTemplate& page = dialogTemplate(c.id);
        EXPECT_STREQ(page.caption, c.caption);
        EXPECT_EQ(QRect(0, 0, page.width, page.height), QRect(0, 0, c.width, 323));
        EXPECT_STREQ(page.fontName, "Arial");
        EXPECT_EQ(page.fontPointSize, 8);
        const std::vector<test::GoldenControl> golden = test::goldenControls(c.id);
        EXPECT_EQ(golden.size(), c.listed);
        test::expectControls(page, golden);
        EXPECT_EQ(page.controls.size(), c.listed + c.unlisted);
    }
}

} // namespace
} // namespace halvex
