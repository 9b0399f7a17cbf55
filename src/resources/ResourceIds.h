// Identifiers of the tool's dialogs, menus, icons and the main window's controls and commands.
#pragma once

namespace halvex {

namespace ResourceId {
inline constexpr int MainDialog = 101;
inline constexpr int MainMenu = 129;
inline constexpr int CameraSettingPage1 = 107;
inline constexpr int CameraSettingPage2 = 108;
inline constexpr int AppDataDialog = 109;
inline constexpr int ParameterPage = 110;
inline constexpr int CaptureScreenPage = 111;
inline constexpr int LibraryScreenPage = 112;
inline constexpr int AppDataMenu = 133;
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

// Controls of the first camera settings page.
namespace Page1Id {
inline constexpr int Auto = 1002;
inline constexpr int Manual = 1003;
inline constexpr int BlueEdit = 1004;
inline constexpr int RedEdit = 1006;
inline constexpr int BlueSlider = 1007;
inline constexpr int RedSlider = 1008;
inline constexpr int GammaEdit = 1009;
inline constexpr int GammaSlider = 1010;
inline constexpr int SaturationEdit = 1012;
inline constexpr int ContrastEdit = 1013;
inline constexpr int BrightnessEdit = 1014;
inline constexpr int BiasBlueEdit = 1015;
inline constexpr int BiasRedEdit = 1016;
inline constexpr int SaturationSlider = 1018;
inline constexpr int ContrastSlider = 1019;
inline constexpr int BrightnessSlider = 1020;
inline constexpr int BiasBlueSlider = 1021;
inline constexpr int BiasRedSlider = 1022;
inline constexpr int GammaDefault = 1023;
inline constexpr int SaturationDefault = 1024;
inline constexpr int ContrastDefault = 1025;
inline constexpr int BrightnessDefault = 1026;
inline constexpr int BiasBlueDefault = 1027;
inline constexpr int BiasRedDefault = 1028;
inline constexpr int Calibration = 1084;
inline constexpr int WhiteBalanceDefault = 1085;
inline constexpr int Level95 = 1086;
inline constexpr int Level90 = 1087;
inline constexpr int Level85 = 1088;
inline constexpr int Level80 = 1089;
inline constexpr int Curve045 = 1090;
inline constexpr int Curve05 = 1091;
inline constexpr int WhiteBalanceGroup = 1133;
inline constexpr int Read = 1158;
inline constexpr int Gamma1Group = 1239;
inline constexpr int Gamma2Group = 1240;
} // namespace Page1Id

// Controls of the second camera settings page.
namespace Page2Id {
inline constexpr int FrameSpeedEdit = 1015;
inline constexpr int FrameSpeedSlider = 1021;
inline constexpr int AecDefault = 1024;
inline constexpr int AlcDefault = 1025;
inline constexpr int FrameSpeedDefault = 1027;
inline constexpr int SuperGainDefault = 1033;
inline constexpr int AwbDefault = 1080;
inline constexpr int SuperGainList = 1083;
inline constexpr int AwbList = 1084;
inline constexpr int AecList = 1085;
inline constexpr int AlcList = 1086;
inline constexpr int Input = 1143;
inline constexpr int Set = 1146;
inline constexpr int Output = 1147;
inline constexpr int Get = 1155;
inline constexpr int AlcGroup = 1241;
} // namespace Page2Id

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

// The application-data window: its commands and the controls of its pages.
namespace AppDataId {
inline constexpr int FileNew = 32791;
inline constexpr int FileLoad = 32792;
inline constexpr int FileSave = 32793;
inline constexpr int FileExit = 32778;
inline constexpr int Frame = 1067;

// Parameter page (110)
inline constexpr int Version = 1052;
inline constexpr int UserMakeFolder = 1053;
inline constexpr int DefaultFolderErase = 1054;
inline constexpr int SizeCheck = 1055;
inline constexpr int ScaleCorrect = 1056;
inline constexpr int ScaleOpticalCorrect = 1057;
inline constexpr int Autosave = 1058;
inline constexpr int ScaleCorrectSlider = 1093;
inline constexpr int ScaleOpticalCorrectSlider = 1094;

// Capture Screen page (111)
inline constexpr int CaptureScale = 1041;
inline constexpr int MovieDefaultFormat = 1043;
inline constexpr int ImageSizeDefault = 1044;
inline constexpr int AutoExposure = 1045;
inline constexpr int SnapshotDefaultFormat = 1059;
inline constexpr int ManualExposure = 1060;
inline constexpr int AutosaveLocation = 1095;
inline constexpr int AutosavePrefix = 1096;
inline constexpr int LoadFileLocation = 1098;
inline constexpr int CaptureSaveAsLocation = 1099;
inline constexpr int SaveAsSnapshotDefaultFormat = 1100;
inline constexpr int SaveAsMovieDefaultFormat = 1101;
inline constexpr int ManualExposureSlider = 1118;

// Library Screen page (112)
inline constexpr int LoadLocation = 1119;
inline constexpr int LoadFilename = 1120;
inline constexpr int SaveLocation = 1121;
inline constexpr int SaveFilename = 1122;
} // namespace AppDataId

} // namespace halvex
