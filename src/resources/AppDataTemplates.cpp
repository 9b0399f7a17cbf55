// Dialog 109 (the application-data window) with its menu 133, and its pages 110 (Parameter),
// 111 (Capture Screen) and 112 (Library Screen).
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using K = ControlKind;
using namespace AppDataId;
constexpr std::uint32_t Digits = ControlStyle::DigitsOnly;
constexpr const char* OnOff = "ON\nOFF";
constexpr const char* SnapshotFormats = "JPEG\nTIFF\nBMP";
constexpr const char* MovieFormats = "MPEG\nAVI";

// The pages share one size, so that the sheet fits the window with its tabs.
constexpr int PageWidth = 516;
constexpr int PageHeight = 320;

constexpr std::array kAppDataControls{
    ControlTemplate{Frame, K::BlackFrame, "", 7, 7, 519, 355, ControlStyle::Hidden},
};

constexpr std::array kAppDataMenuItems{
    MenuItemTemplate{"&File", "&New ", FileNew, false},
    MenuItemTemplate{"&File", "&Load", FileLoad, false},
    MenuItemTemplate{"&File", "&Save", FileSave, false},
    MenuItemTemplate{"&File", "E&xit", FileExit, false},
};

// A table: for each key, its section's label, its key's label and its control.
constexpr std::array kParameterControls{
    ControlTemplate{-1, K::Label, "Section", 20, 12, 120, 10},
    ControlTemplate{-1, K::Label, "Key", 160, 12, 120, 10},
    ControlTemplate{-1, K::EtchedLine, "", 15, 25, 480, 1},
    ControlTemplate{-1, K::Label, "Version", 20, 34, 130, 10},
    ControlTemplate{-1, K::Label, "Version", 160, 34, 120, 10},
    ControlTemplate{Version, K::Edit, "", 290, 32, 150, 12, ControlStyle::None, 50},
    ControlTemplate{-1, K::Label, "User Folder", 20, 64, 130, 10},
    ControlTemplate{-1, K::Label, "User Make Folder", 160, 64, 120, 10},
    ControlTemplate{UserMakeFolder, K::DropDownList, OnOff, 290, 61, 60, 14},
    ControlTemplate{-1, K::Label, "Default Folder Data Erase ", 20, 94, 130, 10},
    ControlTemplate{-1, K::Label, "Default Folder Erase ", 160, 94, 120, 10},
    ControlTemplate{DefaultFolderErase, K::DropDownList, OnOff, 290, 91, 60, 14},
    ControlTemplate{-1, K::Label, "Data Size Check", 20, 124, 130, 10},
    ControlTemplate{-1, K::Label, "Size Check", 160, 124, 120, 10},
    ControlTemplate{SizeCheck, K::DropDownList, OnOff, 290, 121, 60, 14},
    ControlTemplate{-1, K::Label, "Scale Correct Data", 20, 154, 130, 10},
    ControlTemplate{-1, K::Label, "Scale Correct Data", 160, 154, 120, 10},
    ControlTemplate{ScaleCorrect, K::Edit, "", 290, 152, 40, 12},
    ControlTemplate{ScaleCorrectSlider, K::Slider, "", 340, 150, 150, 15},
    ControlTemplate{-1, K::Label, "0.1", 342, 166, 20, 8},
    ControlTemplate{-1, K::Label, "10", 478, 166, 20, 8},
    ControlTemplate{-1, K::Label, "Scale Correct Optical Data", 160, 184, 120, 10},
    ControlTemplate{ScaleOpticalCorrect, K::Edit, "", 290, 182, 40, 12},
    ControlTemplate{ScaleOpticalCorrectSlider, K::Slider, "", 340, 180, 150, 15},
    ControlTemplate{-1, K::Label, "0.1", 342, 196, 20, 8},
    ControlTemplate{-1, K::Label, "100", 474, 196, 20, 8},
    ControlTemplate{-1, K::Label, "Processing Autosave", 20, 214, 130, 10},
    ControlTemplate{-1, K::Label, "Autosave", 160, 214, 120, 10},
    ControlTemplate{Autosave, K::DropDownList, OnOff, 290, 211, 60, 14},
};

// Two columns of label and control under the heading.
constexpr std::array kCaptureScreenControls{
    ControlTemplate{-1, K::Label, "Capture Screen Parameter", 15, 10, 200, 10},
    ControlTemplate{-1, K::EtchedLine, "", 15, 23, 486, 1},
    ControlTemplate{-1, K::Label, "Scale", 15, 37, 110, 10},
    ControlTemplate{CaptureScale, K::DropDownList, OnOff, 130, 35, 60, 14},
    ControlTemplate{-1, K::Label, "Autosave Location", 15, 77, 110, 10},
    ControlTemplate{AutosaveLocation, K::Edit, "", 130, 75, 115, 12},
    ControlTemplate{-1, K::Label, "Autosave Prefix", 15, 117, 110, 10},
    ControlTemplate{AutosavePrefix, K::Edit, "", 130, 115, 40, 12, ControlStyle::None, 5},
    ControlTemplate{-1, K::Label, "Default Snapshot Format", 15, 157, 110, 10},
    ControlTemplate{SnapshotDefaultFormat, K::DropDownList, SnapshotFormats, 130, 155, 60, 14},
    ControlTemplate{-1, K::Label, "Default Movie Format", 15, 197, 110, 10},
    ControlTemplate{MovieDefaultFormat, K::DropDownList, MovieFormats, 130, 195, 60, 14},
    ControlTemplate{-1, K::Label, "Default Image Size", 15, 237, 110, 10},
    ControlTemplate{ImageSizeDefault, K::DropDownList, "320x240\n640x480", 130, 235, 60, 14},
    ControlTemplate{-1, K::Label, "Auto Exposure", 265, 37, 110, 10},
    ControlTemplate{AutoExposure, K::DropDownList, OnOff, 380, 35, 60, 14},
    ControlTemplate{-1, K::Label, "Manual Exposure", 265, 77, 110, 10},
    ControlTemplate{ManualExposure, K::Edit, "", 380, 75, 24, 12, Digits, 3},
    ControlTemplate{ManualExposureSlider, K::Slider, "", 408, 73, 95, 15},
    ControlTemplate{-1, K::Label, "0", 410, 89, 15, 8},
    ControlTemplate{-1, K::Label, "255", 490, 89, 15, 8},
    ControlTemplate{-1, K::Label, "Load File Location", 265, 117, 110, 10},
    ControlTemplate{LoadFileLocation, K::Edit, "", 380, 115, 120, 12},
    ControlTemplate{-1, K::Label, "Save As Location", 265, 157, 110, 10},
    ControlTemplate{CaptureSaveAsLocation, K::Edit, "", 380, 155, 120, 12, ControlStyle::None, 255},
    ControlTemplate{-1, K::Label, "Save As Default Snapshot Format", 265, 197, 110, 10},
    ControlTemplate{SaveAsSnapshotDefaultFormat, K::DropDownList, SnapshotFormats, 380, 195, 60,
                    14},
    ControlTemplate{-1, K::Label, "Save As Default Movie Format", 265, 237, 110, 10},
    ControlTemplate{SaveAsMovieDefaultFormat, K::DropDownList, MovieFormats, 380, 235, 60, 14},
};

constexpr std::array kLibraryScreenControls{
    ControlTemplate{-1, K::Label, "Library Screen Parameter", 15, 10, 200, 10},
    ControlTemplate{-1, K::EtchedLine, "", 15, 23, 486, 1},
    ControlTemplate{-1, K::Label, "Load Location", 20, 42, 80, 10},
    ControlTemplate{LoadLocation, K::Edit, "", 110, 40, 380, 12, ControlStyle::None, 255},
    ControlTemplate{-1, K::Label, "Load Filename", 20, 77, 80, 10},
    ControlTemplate{LoadFilename, K::Edit, "", 110, 75, 200, 12, ControlStyle::None, 50},
    ControlTemplate{-1, K::Label, "Save Location", 20, 112, 80, 10},
    ControlTemplate{SaveLocation, K::Edit, "", 110, 110, 380, 12, ControlStyle::None, 255},
    ControlTemplate{-1, K::Label, "Save Filename", 20, 147, 80, 10},
    ControlTemplate{SaveFilename, K::Edit, "", 110, 145, 200, 12, ControlStyle::None, 50},
};

} // namespace

const DialogTemplate kAppDataDialogTemplate{
    ResourceId::AppDataDialog,
    "Corvane Halvex Application (Application Data Setting Screen)",
    533,
    369,
    "MS Sans Serif",
    8,
    ResourceId::AppDataMenu,
    kAppDataControls};

const MenuTemplate kAppDataMenuTemplate{ResourceId::AppDataMenu, kAppDataMenuItems};

// The tab captions are padded with blanks to widen the tabs.
const DialogTemplate kParameterPageTemplate{ResourceId::ParameterPage,
                                            "                 Parameter                   ",
                                            PageWidth,
                                            PageHeight,
                                            "Arial",
                                            8,
                                            0,
                                            kParameterControls};

const DialogTemplate kCaptureScreenPageTemplate{ResourceId::CaptureScreenPage,
                                                "          Capture Screen            ",
                                                PageWidth,
                                                PageHeight,
                                                "Arial",
                                                8,
                                                0,
                                                kCaptureScreenControls};

const DialogTemplate kLibraryScreenPageTemplate{ResourceId::LibraryScreenPage,
                                                "            Library Screen            ",
                                                PageWidth,
                                                PageHeight,
                                                "Arial",
                                                8,
                                                0,
                                                kLibraryScreenControls};

} // namespace halvex
