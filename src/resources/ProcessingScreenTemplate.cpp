// Page 114 of the application-data window: the Processing Screen parameters.
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using K = ControlKind;
using namespace ProcessingId;

// One level: its label, its digits-only box and its 0..255 slider, with the slider's end labels.
struct LevelRow {
    const char* label;
    int text;
    int slider;
};

constexpr std::array kLevelRows{
    LevelRow{"Hue", HueText, HueSlider},
    LevelRow{"Saturation", SaturationText, SaturationSlider},
    LevelRow{"Intensity", IntensityText, IntensitySlider},
    LevelRow{"Color Balance CR", ColorBalanceCrText, ColorBalanceCrSlider},
    LevelRow{"Color Balance MG", ColorBalanceMgText, ColorBalanceMgSlider},
    LevelRow{"Color Balance YB", ColorBalanceYbText, ColorBalanceYbSlider},
    LevelRow{"Brightness", BrightnessText, BrightnessSlider},
    LevelRow{"Contrast", ContrastText, ContrastSlider},
    LevelRow{"Sharpness", SharpnessText, SharpnessSlider},
    LevelRow{"Gamma", GammaText, GammaSlider},
    LevelRow{"Black Balance Target", BlackBalanceTargetText, BlackBalanceTargetSlider},
    LevelRow{"Black Balance Limit", BlackBalanceLimitText, BlackBalanceLimitSlider},
};

constexpr int LevelTop = 22;
constexpr int LevelPitch = 24;
constexpr int ControlsPerLevel = 5;

constexpr std::array kFixedControls{
    ControlTemplate{-1, K::Label, "Processing Screen Parameter", 8, 6, 140, 10},
    ControlTemplate{-1, K::Label, "Save As Location", 8, 24, 70, 8},
    ControlTemplate{SaveAsLocation, K::Edit, "", 80, 22, 160, 12},
    ControlTemplate{-1, K::Label, "Save As Filename", 8, 40, 70, 8},
    ControlTemplate{SaveAsFilename, K::Edit, "", 80, 38, 160, 12},
    ControlTemplate{-1, K::Label, "Scale", 8, 58, 70, 8},
    ControlTemplate{Scale, K::DropDownList, "ON\nOFF", 80, 56, 60, 12},
    ControlTemplate{-1, K::Label, "Image Information", 8, 74, 70, 8},
    ControlTemplate{ImageInformation, K::DropDownList, "ON\nOFF", 80, 72, 60, 12},
    ControlTemplate{-1, K::Label, "Rotate", 8, 90, 70, 8},
    ControlTemplate{Rotate, K::DropDownList, "0\n1\n2\n3", 80, 88, 60, 12},
    ControlTemplate{-1, K::Label, "Flip", 8, 106, 70, 8},
    ControlTemplate{Flip, K::DropDownList, "0\n1\n2", 80, 104, 60, 12},
    ControlTemplate{-1, K::Label, "White Balance Select", 8, 122, 70, 8},
    ControlTemplate{WhiteBalanceSelect, K::DropDownList, "Point\nArea", 80, 120, 60, 12},
    ControlTemplate{-1, K::Label, "Black Balance Select", 8, 138, 70, 8},
    ControlTemplate{BlackBalanceSelect, K::DropDownList, "Point\nArea", 80, 136, 60, 12},
    ControlTemplate{-1, K::Label, "Calendar Select", 8, 154, 70, 8},
    ControlTemplate{CalendarSelect, K::DropDownList, "DMY\nMDY\nYMD", 80, 152, 60, 12},
    ControlTemplate{-1, K::GroupBox, "FONT PROPERTIES", 8, 172, 232, 96},
    ControlTemplate{-1, K::Label, "Text Typeface", 16, 186, 60, 8},
    ControlTemplate{TextTypeface, K::Edit, "", 80, 184, 150, 12, ControlStyle::ReadOnly},
    ControlTemplate{-1, K::Label, "Text Size", 16, 200, 60, 8},
    ControlTemplate{TextSize, K::Edit, "", 80, 198, 150, 12, ControlStyle::ReadOnly},
    ControlTemplate{-1, K::Label, "Text Style", 16, 214, 60, 8},
    ControlTemplate{TextStyle, K::Edit, "", 80, 212, 150, 12, ControlStyle::ReadOnly},
    ControlTemplate{-1, K::Label, "Text Underline", 16, 228, 60, 8},
    ControlTemplate{TextUnderline, K::Edit, "", 80, 226, 150, 12, ControlStyle::ReadOnly},
    ControlTemplate{-1, K::Label, "Text Color", 16, 242, 60, 8},
    ControlTemplate{TextColor, K::Edit, "", 80, 240, 150, 12, ControlStyle::ReadOnly},
    ControlTemplate{EditFontProperties, K::PushButton, "EDIT FONT PROPERTIES", 80, 253, 100, 13},
    ControlTemplate{InformationColorGroup, K::GroupBox, "Information Color", 8, 274, 232, 36},
    ControlTemplate{InformationColorPreview, K::SunkenLabel, "", 16, 288, 80, 14},
    ControlTemplate{EditInformationColor, K::PushButton, "Edit", 110, 288, 50, 14},
};

constexpr auto levelControls() {
    std::array<ControlTemplate, kLevelRows.size() * ControlsPerLevel> controls{};
    std::size_t next = 0;
    int y = LevelTop;
    for (const LevelRow& row : kLevelRows) {
        controls[next++] = ControlTemplate{-1, K::Label, row.label, 252, y + 3, 80, 8};
        controls[next++] =
            ControlTemplate{row.text, K::Edit, "", 334, y + 1, 22, 12, ControlStyle::DigitsOnly, 3};
        controls[next++] = ControlTemplate{-1, K::Label, "0", 360, y + 3, 8, 8};
        controls[next++] = ControlTemplate{row.slider, K::Slider, "", 368, y, 100, 15};
        controls[next++] = ControlTemplate{-1, K::Label, "255", 470, y + 3, 14, 8};
        y += LevelPitch;
    }
    return controls;
}

constexpr auto allControls() {
    constexpr auto levels = levelControls();
    std::array<ControlTemplate, kFixedControls.size() + levels.size()> controls{};
    std::size_t next = 0;
    for (const ControlTemplate& control : kFixedControls) {
        controls[next++] = control;
    }
    for (const ControlTemplate& control : levels) {
        controls[next++] = control;
    }
    return controls;
}

constexpr auto kProcessingControls = allControls();

} // namespace

const DialogTemplate kProcessingScreenTemplate{ResourceId::ProcessingScreenPage,
                                               "         Processing Screen           ",
                                               490,
                                               316,
                                               "Arial",
                                               8,
                                               0,
                                               kProcessingControls};

} // namespace halvex
