// Dialogs 107 and 108: the two pages of the camera settings sheet.
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using K = ControlKind;
constexpr std::uint32_t D = ControlStyle::DigitsOnly;
constexpr std::uint32_t G = ControlStyle::Group;
constexpr std::uint32_t C = ControlStyle::Centered;

// Every edit box of page 1 takes digits only; the slider end labels sit under the slider's ends.
constexpr std::array kPage1Controls{
    ControlTemplate{1133, K::GroupBox, "White Balance", 0, 0, 84, 79},
    ControlTemplate{1002, K::RadioButton, "Auto", 2, 11, 29, 8, G},
    ControlTemplate{1003, K::RadioButton, "Manual", 2, 19, 37, 8},
    ControlTemplate{1085, K::PushButton, "Default", 41, 12, 37, 20},
    ControlTemplate{-1, K::Label, "Blue", 5, 28, 17, 8},
    ControlTemplate{1004, K::Edit, "", 2, 38, 17, 12, D},
    ControlTemplate{1007, K::Slider, "", 19, 38, 59, 8},
    ControlTemplate{-1, K::Label, "0", 21, 46, 8, 7},
    ControlTemplate{-1, K::Label, "255", 65, 46, 14, 7},
    ControlTemplate{-1, K::Label, "Red", 3, 50, 17, 8},
    ControlTemplate{1006, K::Edit, "", 2, 58, 17, 12, D},
    ControlTemplate{1008, K::Slider, "", 19, 57, 59, 8},
    ControlTemplate{-1, K::Label, "0", 21, 65, 8, 7},
    ControlTemplate{-1, K::Label, "255", 65, 65, 14, 7},
    ControlTemplate{-1, K::GroupBox, "Gamma", 0, 80, 84, 85},
    ControlTemplate{1239, K::GroupBox, "Gamma1", 2, 89, 37, 46},
    ControlTemplate{1086, K::RadioButton, "95%", 5, 98, 26, 8, G},
    ControlTemplate{1087, K::RadioButton, "90%", 5, 107, 26, 8},
    ControlTemplate{1088, K::RadioButton, "85%", 5, 116, 26, 8},
    ControlTemplate{1089, K::RadioButton, "80%", 5, 125, 26, 8},
    ControlTemplate{1023, K::PushButton, "Default", 45, 92, 34, 12},
    ControlTemplate{1240, K::GroupBox, "Gamma2", 41, 107, 40, 28},
    ControlTemplate{1090, K::RadioButton, "0.45", 51, 116, 27, 8, G},
    ControlTemplate{1091, K::RadioButton, "0.5", 51, 125, 22, 8},
    ControlTemplate{-1, K::GroupBox, "Gamma3", 3, 135, 78, 27},
    ControlTemplate{1009, K::Edit, "", 6, 144, 17, 12, D, 3},
    ControlTemplate{1010, K::Slider, "", 25, 144, 52, 8},
    ControlTemplate{-1, K::Label, "0", 27, 152, 8, 7},
    ControlTemplate{-1, K::Label, "255", 64, 152, 14, 7},
    ControlTemplate{-1, K::GroupBox, "Saturation", 0, 166, 84, 29},
    ControlTemplate{1012, K::Edit, "", 2, 177, 17, 12, D},
    ControlTemplate{1018, K::Slider, "", 19, 177, 44, 8},
    ControlTemplate{-1, K::Label, "0", 21, 185, 8, 7},
    ControlTemplate{-1, K::Label, "255", 50, 185, 14, 7},
    ControlTemplate{1024, K::PushButton, "DEF", 65, 177, 16, 12},
    ControlTemplate{-1, K::GroupBox, "Contrast", 0, 196, 84, 28},
    ControlTemplate{1013, K::Edit, "", 2, 206, 17, 12, D},
    ControlTemplate{1019, K::Slider, "", 19, 206, 44, 8},
    ControlTemplate{-1, K::Label, "0", 21, 214, 8, 7},
    ControlTemplate{-1, K::Label, "255", 50, 214, 14, 7},
    ControlTemplate{1025, K::PushButton, "DEF", 65, 206, 16, 12},
    ControlTemplate{-1, K::GroupBox, "Brightness", 0, 225, 84, 28},
    ControlTemplate{1014, K::Edit, "", 2, 236, 17, 12, D},
    ControlTemplate{1020, K::Slider, "", 19, 236, 44, 8},
    ControlTemplate{-1, K::Label, "0", 21, 244, 8, 7},
    ControlTemplate{-1, K::Label, "255", 50, 244, 14, 7},
    ControlTemplate{1026, K::PushButton, "DEF", 65, 236, 16, 12},
    ControlTemplate{-1, K::GroupBox, "Color Bias", 0, 253, 84, 54},
    ControlTemplate{-1, K::Label, "Blue", 2, 261, 15, 8},
    ControlTemplate{1015, K::Edit, "", 2, 269, 17, 12, D},
    ControlTemplate{1021, K::Slider, "", 19, 269, 44, 8},
    ControlTemplate{-1, K::Label, "0", 21, 277, 8, 7},
    ControlTemplate{-1, K::Label, "63", 54, 277, 10, 7},
    ControlTemplate{1027, K::PushButton, "DEF", 65, 269, 16, 12},
    ControlTemplate{-1, K::Label, "Red", 2, 282, 14, 8},
    ControlTemplate{1016, K::Edit, "", 2, 290, 17, 12, D},
    ControlTemplate{1022, K::Slider, "", 19, 290, 44, 8},
    ControlTemplate{-1, K::Label, "0", 21, 298, 8, 7},
    ControlTemplate{-1, K::Label, "63", 54, 298, 10, 7},
    ControlTemplate{1028, K::PushButton, "DEF", 65, 290, 16, 12},
    ControlTemplate{1158, K::PushButton, "READ", 19, 309, 48, 12},
    ControlTemplate{1084, K::PushButton, "Calibration", 70, 0, 7, 11,
                    ControlStyle::Hidden | ControlStyle::Disabled},
};

constexpr std::array kPage2Controls{
    ControlTemplate{-1, K::GroupBox, "Super Gain", 0, 0, 83, 42},
    ControlTemplate{1033, K::PushButton, "Default", 14, 11, 57, 12},
    ControlTemplate{1083, K::DropDownList, "OFF\nON", 14, 24, 57, 54},
    ControlTemplate{-1, K::GroupBox, "AWB Speed", 0, 44, 83, 42},
    ControlTemplate{1080, K::PushButton, "Default", 14, 57, 57, 12},
    ControlTemplate{1084, K::DropDownList, "LOW\nHIGH", 14, 70, 57, 65},
    ControlTemplate{-1, K::GroupBox, "AEC Speed", 0, 88, 83, 42},
    ControlTemplate{1024, K::PushButton, "Default", 14, 100, 57, 12},
    ControlTemplate{1085, K::DropDownList, "LOW\nHIGH", 14, 113, 57, 62},
    ControlTemplate{1241, K::GroupBox, "ALC Speed", 0, 132, 83, 42},
    ControlTemplate{1025, K::PushButton, "Default", 14, 144, 57, 12},
    ControlTemplate{1086, K::DropDownList, "LOW\nHIGH", 14, 157, 57, 59},
    ControlTemplate{-1, K::GroupBox, "Frame Speed", 0, 176, 83, 51},
    ControlTemplate{1015, K::Edit, "", 15, 187, 15, 12, D, 2},
    ControlTemplate{1027, K::PushButton, "Default", 34, 187, 40, 12},
    ControlTemplate{1021, K::Slider, "", 11, 203, 62, 10},
    ControlTemplate{-1, K::Label, "0", 14, 214, 8, 8},
    ControlTemplate{-1, K::Label, "30", 64, 214, 10, 8},
    ControlTemplate{-1, K::GroupBox, "Direct Setup", 0, 229, 83, 88},
    ControlTemplate{-1, K::Label, "Input", 14, 240, 27, 8},
    ControlTemplate{1143, K::Edit, "", 12, 249, 36, 12, ControlStyle::UpperCase, 8},
    ControlTemplate{-1, K::Label, "Output", 50, 240, 22, 8},
    ControlTemplate{1147, K::Edit, "", 50, 249, 21, 12,
                    ControlStyle::ReadOnly | ControlStyle::UpperCase, 8},
    ControlTemplate{1146, K::PushButton, "Set", 12, 271, 26, 20},
    ControlTemplate{1155, K::PushButton, "Get", 45, 271, 26, 20},
    ControlTemplate{-1, K::Label, "(e.g. 14,04,04 set data) ", 1, 296, 80, 9, C},
    ControlTemplate{-1, K::Label, "(e.g. 14,04 get data) ", 7, 305, 70, 9, C},
};

} // namespace

const DialogTemplate kCameraSetting1Template{
    ResourceId::CameraSettingPage1, "    Page 1    ", 85, 323, "Arial", 8, 0, kPage1Controls};

const DialogTemplate kCameraSetting2Template{
    ResourceId::CameraSettingPage2, "   Page 2   ", 84, 323, "Arial", 8, 0, kPage2Controls};

} // namespace halvex
