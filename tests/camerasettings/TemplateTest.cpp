// Dialogs 107 and 108 against tables written out from the pages' documented controls.
#include "GoldenControls.h"

#include <QRect>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace halvex {
namespace {

TEST(CameraSettingTemplates, BothPages) {
    // Id, caption, width, the controls listed and those not: the sliders' end labels of page 1,
    // two under each of its eight.
    const std::tuple<int, const char*, int, std::size_t, std::size_t> cases[] = {
        {107, "    Page 1    ", 85, 46, 16}, {108, "   Page 2   ", 84, 27, 0}};
    for (const auto& [id, caption, width, listed, unlisted] : cases) {
        SCOPED_TRACE(id);
        const DialogTemplate& page = dialogTemplate(id);
        EXPECT_STREQ(page.caption, caption);
        EXPECT_EQ(QRect(0, 0, page.width, page.height), QRect(0, 0, width, 323));
        EXPECT_STREQ(page.fontName, "Arial");
        EXPECT_EQ(page.fontPointSize, 8);
        const std::vector<test::GoldenControl> golden = test::goldenControls(id);
        EXPECT_EQ(golden.size(), listed);
        test::expectControls(page, golden);
        EXPECT_EQ(page.controls.size(), listed + unlisted);
    }
}

} // namespace
} // namespace halvex
