// Identifiers of the tool's dialogs, menus, icons and the main window's controls and commands.
#pragma once

namespace halvex {

namespace ResourceId {
inline constexpr int MainDialog = 101;
inline constexpr int MainMenu = 129;
inline constexpr int DeviceInfoDialog = 142;
inline constexpr int AboutDialog = 158;
inline constexpr int ProcessingScreenPage = 114;
inline constexpr int AppIcon = 165;
inline constexpr int MakerLogo = 166;
} // namespace ResourceId

// Standard push-button identifiers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Controls of the main window.
namespace MainId {
inline constexpr int LiveArea = 1000;
inline constexpr int Start = 1131;
inline constexpr int Stop = 1132;
inline constexpr int CrossHairs = 1136;
inline constexpr int ConcentricCircles = 1137;
inline constexpr int FieldDisplay = 1138;
inline constexpr int OverlayOn = 1139;
inline constexpr int OverlayOff = 1140;
inline constexpr int OverlayGroup = 1142;
inline constexpr int Capture = 1150;
inline constexpr int Zone1FieldDisplay = 1157;
inline constexpr int Progress = 1182;
inline constexpr int Status = 1183;
inline constexpr int Message = 1184;
inline constexpr int GetAutoAdjValues = 1188;
inline constexpr int GetManualAdjValues = 1207;
inline constexpr int GetRgb = 1222;
inline constexpr int DeviceText = 1134;
} // namespace MainId

// Controls of the Processing Screen page.
namespace ProcessingId {
inline constexpr int SaveAsLocation = 1102;
inline constexpr int SaveAsFilename = 1103;
inline constexpr int Scale = 1061;
inline constexpr int ImageInformation = 1062;
inline constexpr int Rotate = 1063;
inline constexpr int Flip = 1064;
inline constexpr int WhiteBalanceSelect = 1065;
inline constexpr int BlackBalanceSelect = 1042;
inline constexpr int CalendarSelect = 1043;
inline constexpr int HueText = 1066;
inline constexpr int SaturationText = 1038;
inline constexpr int IntensityText = 1039;
inline constexpr int ColorBalanceCrText = 1046;
inline constexpr int ColorBalanceMgText = 1047;
inline constexpr int ColorBalanceYbText = 1048;
inline constexpr int BrightnessText = 1049;
inline constexpr int ContrastText = 1050;
inline constexpr int SharpnessText = 1051;
inline constexpr int GammaText = 1034;
inline constexpr int BlackBalanceTargetText = 1104;
inline constexpr int BlackBalanceLimitText = 1105;
inline constexpr int HueSlider = 1097;
inline constexpr int SaturationSlider = 1106;
inline constexpr int IntensitySlider = 1107;
inline constexpr int ColorBalanceCrSlider = 1108;
inline constexpr int ColorBalanceMgSlider = 1109;
inline constexpr int ColorBalanceYbSlider = 1110;
inline constexpr int BrightnessSlider = 1111;
inline constexpr int ContrastSlider = 1112;
inline constexpr int SharpnessSlider = 1113;
inline constexpr int GammaSlider = 1114;
inline constexpr int BlackBalanceTargetSlider = 1115;
inline constexpr int BlackBalanceLimitSlider = 1116;
inline constexpr int TextTypeface = 1035;
inline constexpr int TextSize = 1036;
inline constexpr int TextStyle = 1037;
inline constexpr int TextUnderline = 1040;
inline constexpr int TextColor = 1125;
inline constexpr int EditFontProperties = 1124;
inline constexpr int InformationColorGroup = 1164;
inline constexpr int InformationColorPreview = 1170;
inline constexpr int EditInformationColor = 1165;
} // namespace ProcessingId

// Commands of the main menu.
namespace MenuId {
inline constexpr int FileNew = 32788;
inline constexpr int FileSave = 32789;
inline constexpr int FileLoad = 32790;
inline constexpr int FileExit = 32779;
inline constexpr int MaintenanceScreen = 32795;
inline constexpr int CameraDataScreen = 32796;
inline constexpr int ApplicationDataScreen = 32797;
inline constexpr int SequentialScreen = 32798;
inline constexpr int DeviceInformation = 32799;
inline constexpr int HelpTopics = 32800;
inline constexpr int HelpOverview = 32802;
inline constexpr int About = 32803;
} // namespace MenuId

} // namespace halvex
