// Dialog 101: the main window, Camera Data Setting Screen with its hidden calibration panel.
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using K = ControlKind;
constexpr std::uint32_t H = ControlStyle::Hidden;
constexpr std::uint32_t HD = ControlStyle::Hidden | ControlStyle::DigitsOnly;
constexpr std::uint32_t HRU =
    ControlStyle::Hidden | ControlStyle::ReadOnly | ControlStyle::UpperCase;

constexpr std::array kMainControls{
    ControlTemplate{1131, K::PushButton, "&Start", 77, 301, 117, 34},
    ControlTemplate{1132, K::PushButton, "S&top", 221, 300, 115, 34, ControlStyle::Disabled},
    ControlTemplate{1139, K::RadioButton, "On", 435, 10, 32, 8, H | ControlStyle::Group},
    ControlTemplate{1140, K::RadioButton, "Off", 435, 18, 29, 8, H},
    ControlTemplate{1136, K::CheckBox, "Cross Hairs", 437, 34, 51, 10, H},
    ControlTemplate{1137, K::CheckBox, "Concentric Circles", 437, 42, 73, 10, H},
    ControlTemplate{1138, K::CheckBox, "Field Display", 437, 50, 55, 10, H},
    ControlTemplate{1157, K::CheckBox, "Zone1 Field Display", 437, 58, 76, 10, H},
    ControlTemplate{1188, K::PushButton, "Get Auto Adj. Values", 433, 83, 90, 11, H},
    ControlTemplate{1228, K::Edit, "", 457, 110, 20, 12, HD},
    ControlTemplate{1229, K::Edit, "", 457, 123, 20, 12, HD},
    ControlTemplate{1191, K::Edit, "", 480, 110, 20, 12, HD},
    ControlTemplate{1189, K::Edit, "", 480, 123, 20, 12, HD},
    ControlTemplate{1192, K::Edit, "", 500, 110, 20, 12, HD},
    ControlTemplate{1190, K::Edit, "", 500, 123, 20, 12, HD},
    ControlTemplate{1207, K::PushButton, "Get Manual Adj. Values", 433, 153, 90, 11, H},
    ControlTemplate{1210, K::Edit, "", 454, 174, 19, 12, HD},
    ControlTemplate{1209, K::Edit, "", 454, 186, 19, 12, HD},
    ControlTemplate{1212, K::Edit, "", 501, 174, 19, 12, HD},
    ControlTemplate{1213, K::Edit, "", 501, 186, 19, 12, HD},
    ControlTemplate{1214, K::Edit, "", 516, 203, 10, 12, HD | ControlStyle::Centered},
    ControlTemplate{1231, K::CheckBox, "Auto Ratio Check", 432, 204, 69, 11,
                    H | ControlStyle::TextLeft},
    ControlTemplate{1218, K::Edit, "", 454, 226, 21, 12, H},
    ControlTemplate{1219, K::Edit, "", 454, 239, 21, 12, H},
    ControlTemplate{1226, K::Edit, "", 476, 226, 21, 12, H},
    ControlTemplate{1220, K::Edit, "", 476, 239, 21, 12, H},
    ControlTemplate{1227, K::Edit, "", 498, 226, 21, 12, H},
    ControlTemplate{1232, K::Edit, "", 498, 239, 21, 12, H},
    ControlTemplate{1150, K::PushButton, "&Capture", 472, 10, 51, 14, H},
    ControlTemplate{1222, K::PushButton, "Get RGB", 370, 277, 53, 25, H | ControlStyle::Disabled},
    ControlTemplate{1141, K::GroupBox, "Overlay Styles", 433, 26, 94, 44, H},
    ControlTemplate{1142, K::GroupBox, "Overlay", 429, 0, 99, 72, H},
    ControlTemplate{1000, K::BlackRect, "", 0, 0, 426, 268},
    ControlTemplate{1001, K::BlackFrame, "", 427, 0, 104, 358, H},
    ControlTemplate{1182, K::ProgressBar, "", 20, 345, 179, 11, ControlStyle::Smooth},
    ControlTemplate{1183, K::Label, "", 1, 345, 197, 11, ControlStyle::Centered},
    ControlTemplate{1184, K::Label, "", 201, 345, 220, 11},
    ControlTemplate{1187, K::GroupBox, "Auto Adjustment ", 430, 73, 99, 68, H},
    ControlTemplate{1205, K::GroupBox, "Range", 434, 94, 94, 45, H},
    ControlTemplate{1206, K::GroupBox, "Adjustment  Values", 430, 256, 99, 45, H},
    ControlTemplate{1193, K::Edit, "", 459, 286, 21, 12, HRU},
    ControlTemplate{1194, K::Edit, "", 481, 286, 21, 12, HRU},
    ControlTemplate{1195, K::Edit, "", 459, 273, 21, 12, HRU},
    ControlTemplate{1196, K::Edit, "", 481, 273, 21, 12, HRU},
    ControlTemplate{1208, K::GroupBox, "Direct Image Adjustment", 430, 143, 99, 113, H},
    ControlTemplate{1211, K::GroupBox, "Initial Value", 432, 164, 45, 37, H},
    ControlTemplate{1215, K::GroupBox, "Green Limit", 481, 164, 46, 37, H},
    ControlTemplate{1233, K::GroupBox, "Ratio", 432, 213, 94, 40},
    ControlTemplate{1197, K::Label, "Min", 482, 102, 16, 8, H},
    ControlTemplate{1198, K::Label, "Max", 502, 102, 16, 8, H},
    ControlTemplate{1199, K::Label, "Dec", 462, 264, 16, 8, H},
    ControlTemplate{1200, K::Label, "Hex", 484, 264, 16, 8, H},
    ControlTemplate{1201, K::Label, "Red", 437, 125, 18, 8, H},
    ControlTemplate{1202, K::Label, "Blue", 437, 112, 18, 8, H},
    ControlTemplate{1203, K::Label, "Red", 435, 188, 18, 8, H},
    ControlTemplate{1204, K::Label, "Blue", 435, 176, 18, 8, H},
    ControlTemplate{1216, K::Label, "Red", 435, 288, 20, 8, H},
    ControlTemplate{1217, K::Label, "Blue", 435, 275, 20, 8, H},
    ControlTemplate{1223, K::Label, "Max", 484, 176, 16, 8, H},
    ControlTemplate{1224, K::Label, "Min", 484, 188, 16, 8, H},
    ControlTemplate{1225, K::Label, "+/-", 503, 205, 12, 8, H},
    ControlTemplate{1230, K::Label, "Initial", 457, 102, 22, 8, H},
    ControlTemplate{1234, K::Label, "R/B", 457, 218, 16, 8},
    ControlTemplate{1235, K::Label, "B/G", 479, 218, 16, 8},
    ControlTemplate{1236, K::Label, "R/G", 501, 218, 16, 8},
    ControlTemplate{1237, K::Label, "Max", 436, 228, 16, 8},
    ControlTemplate{1238, K::Label, "Min", 436, 241, 16, 8},
};

} // namespace

const DialogTemplate kMainDialogTemplate{ResourceId::MainDialog,
                                         "Corvane Halvex Application (Camera Data Setting Screen)",
                                         531,
                                         359,
                                         "Arial",
                                         8,
                                         ResourceId::MainMenu,
                                         kMainControls};

} // namespace halvex
