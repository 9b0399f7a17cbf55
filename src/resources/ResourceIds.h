// Identifiers of the tool's dialogs, menus, icons and the main window's controls and commands.
#pragma once

namespace halvex {

namespace ResourceId {
inline constexpr int MainDialog = 101;
inline constexpr int MainMenu = 129;
inline constexpr int DeviceInfoDialog = 142;
inline constexpr int AboutDialog = 158;
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
