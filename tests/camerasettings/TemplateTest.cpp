// Dialogs 107 and 108 against tables written out here from the pages' documented controls.
#include "resources/DialogTemplates.h"

#include <QRect>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace halvex {
namespace {

using K = ControlKind;

struct GoldenControl {
    int id; // -1: a control nobody addresses, found by its text and place
    K kind;
    const char* text;
    int x, y, width, height;
    std::uint32_t style = ControlStyle::None; // the style bits that must be set
    int limit = 0;
};

constexpr std::uint32_t D = ControlStyle::DigitsOnly;

// Page 1's edit, slider and "DEF" rows share their columns: edit 2,y,17,12; slider 19,y,44,8;
// button 65,y,16,12.
struct RegisterRow {
    int edit, slider, def, y;
};
const RegisterRow kPage1RegisterRows[] = {{1012, 1018, 1024, 177},
                                          {1013, 1019, 1025, 206},
                                          {1014, 1020, 1026, 236},
                                          {1015, 1021, 1027, 269},
                                          {1016, 1022, 1028, 290}};

const GoldenControl kPage1Others[] = {
    {1133, K::GroupBox, "White Balance", 0, 0, 84, 79},
    {1002, K::RadioButton, "Auto", 2, 11, 29, 8, ControlStyle::Group},
    {1003, K::RadioButton, "Manual", 2, 19, 37, 8},
    {1085, K::PushButton, "Default", 41, 12, 37, 20},
    {-1, K::Label, "Blue", 5, 28, 17, 8},
    {1004, K::Edit, "", 2, 38, 17, 12, D},
    {1007, K::Slider, "", 19, 38, 59, 8},
    {-1, K::Label, "Red", 3, 50, 17, 8},
    {1006, K::Edit, "", 2, 58, 17, 12, D},
    {1008, K::Slider, "", 19, 57, 59, 8},
    {-1, K::GroupBox, "Gamma", 0, 80, 84, 85},
    {1239, K::GroupBox, "Gamma1", 2, 89, 37, 46},
    {1086, K::RadioButton, "95%", 5, 98, 26, 8, ControlStyle::Group},
    {1087, K::RadioButton, "90%", 5, 107, 26, 8},
    {1088, K::RadioButton, "85%", 5, 116, 26, 8},
    {1089, K::RadioButton, "80%", 5, 125, 26, 8},
    {1023, K::PushButton, "Default", 45, 92, 34, 12},
    {1240, K::GroupBox, "Gamma2", 41, 107, 40, 28},
    {1090, K::RadioButton, "0.45", 51, 116, 27, 8, ControlStyle::Group},
    {1091, K::RadioButton, "0.5", 51, 125, 22, 8},
    {-1, K::GroupBox, "Gamma3", 3, 135, 78, 27},
    {1009, K::Edit, "", 6, 144, 17, 12, D, 3},
    {1010, K::Slider, "", 25, 144, 52, 8},
    {-1, K::GroupBox, "Saturation", 0, 166, 84, 29},
    {-1, K::GroupBox, "Contrast", 0, 196, 84, 28},
    {-1, K::GroupBox, "Brightness", 0, 225, 84, 28},
    {-1, K::GroupBox, "Color Bias", 0, 253, 84, 54},
    {-1, K::Label, "Blue", 2, 261, 15, 8},
    {-1, K::Label, "Red", 2, 282, 14, 8},
    {1158, K::PushButton, "READ", 19, 309, 48, 12},
    {1084, K::PushButton, "Calibration", 70, 0, 7, 11,
     ControlStyle::Hidden | ControlStyle::Disabled},
};

std::vector<GoldenControl> page1Golden() {
    std::vector<GoldenControl> golden(std::begin(kPage1Others), std::end(kPage1Others));
    for (const RegisterRow& row : kPage1RegisterRows) {
        golden.push_back({row.edit, K::Edit, "", 2, row.y, 17, 12, D});
        golden.push_back({row.slider, K::Slider, "", 19, row.y, 44, 8});
        golden.push_back({row.def, K::PushButton, "DEF", 65, row.y, 16, 12});
    }
    return golden;
}

const GoldenControl kPage2[] = {
    {-1, K::GroupBox, "Super Gain", 0, 0, 83, 42},
    {1033, K::PushButton, "Default", 14, 11, 57, 12},
    {1083, K::DropDownList, "OFF\nON", 14, 24, 57, 54},
    {-1, K::GroupBox, "AWB Speed", 0, 44, 83, 42},
    {1080, K::PushButton, "Default", 14, 57, 57, 12},
    {1084, K::DropDownList, "LOW\nHIGH", 14, 70, 57, 65},
    {-1, K::GroupBox, "AEC Speed", 0, 88, 83, 42},
    {1024, K::PushButton, "Default", 14, 100, 57, 12},
    {1085, K::DropDownList, "LOW\nHIGH", 14, 113, 57, 62},
    {1241, K::GroupBox, "ALC Speed", 0, 132, 83, 42},
    {1025, K::PushButton, "Default", 14, 144, 57, 12},
    {1086, K::DropDownList, "LOW\nHIGH", 14, 157, 57, 59},
    {-1, K::GroupBox, "Frame Speed", 0, 176, 83, 51},
    {1015, K::Edit, "", 15, 187, 15, 12, D, 2},
    {1027, K::PushButton, "Default", 34, 187, 40, 12},
    {1021, K::Slider, "", 11, 203, 62, 10},
    {-1, K::Label, "0", 14, 214, 8, 8},
    {-1, K::Label, "30", 64, 214, 10, 8},
    {-1, K::GroupBox, "Direct Setup", 0, 229, 83, 88},
    {-1, K::Label, "Input", 14, 240, 27, 8},
    {1143, K::Edit, "", 12, 249, 36, 12, ControlStyle::UpperCase, 8},
    {-1, K::Label, "Output", 50, 240, 22, 8},
    {1147, K::Edit, "", 50, 249, 21, 12, ControlStyle::ReadOnly | ControlStyle::UpperCase, 8},
    {1146, K::PushButton, "Set", 12, 271, 26, 20},
    {1155, K::PushButton, "Get", 45, 271, 26, 20},
    {-1, K::Label, "(e.g. 14,04,04 set data) ", 1, 296, 80, 9, ControlStyle::Centered},
    {-1, K::Label, "(e.g. 14,04 get data) ", 7, 305, 70, 9, ControlStyle::Centered},
};

// Each golden control, found by its id or (unaddressed) by its text and place, as it stands.
void expectControls(const DialogTemplate& dialog, std::span<const GoldenControl> golden) {
    for (const GoldenControl& expected : golden) {
        SCOPED_TRACE(testing::Message() << expected.id << " " << expected.text);
        const auto control = std::ranges::find_if(dialog.controls, [&](const auto& c) {
            return expected.id >= 0 ? c.id == expected.id
                                    : c.id < 0 && QLatin1String(c.text) == expected.text &&
                                          c.x == expected.x && c.y == expected.y;
        });
        ASSERT_NE(control, dialog.controls.end());
        EXPECT_EQ(control->kind, expected.kind);
        EXPECT_STREQ(control->text, expected.text);
        EXPECT_EQ(QRect(control->x, control->y, control->width, control->height),
                  QRect(expected.x, expected.y, expected.width, expected.height));
        EXPECT_EQ(control->style & expected.style, expected.style);
        EXPECT_EQ(control->limit, expected.limit);
    }
}

TEST(CameraSettingTemplates, BothPages) {
    struct Case {
        int id;
        const char* caption;
        int width;
        std::vector<GoldenControl> controls;
        std::size_t unlisted; // the sliders' end labels of page 1, two under each of its eight
    };
    const Case cases[] = {{107, "    Page 1    ", 85, page1Golden(), 16},
                          {108, "   Page 2   ", 84, {std::begin(kPage2), std::end(kPage2)}, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const DialogTemplate& page = dialogTemplate(c.id);
        EXPECT_STREQ(page.caption, c.caption);
        EXPECT_EQ(QRect(0, 0, page.width, page.height), QRect(0, 0, c.width, 323));
        EXPECT_STREQ(page.fontName, "Arial");
        EXPECT_EQ(page.fontPointSize, 8);
        expectControls(page, c.controls);
        EXPECT_EQ(page.controls.size(), c.controls.size() + c.unlisted);
    }
}

} // namespace
} // namespace halvex
