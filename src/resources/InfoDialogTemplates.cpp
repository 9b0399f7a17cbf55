// Dialogs 142 (Device Information) and 158 (About), and the main menu 129.
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using K = ControlKind;

constexpr std::array kDeviceInfoControls{
    ControlTemplate{IDOK, K::DefPushButton, "OK", 60, 150, 50, 14},
    ControlTemplate{-1, K::Label, "Device Information", 1, 7, 62, 11},
    ControlTemplate{MainId::DeviceText, K::SunkenLabel, "", 1, 20, 168, 125},
};

constexpr std::array kAboutControls{
    ControlTemplate{-1, K::Bitmap, "logo", 8, 7, 76, 44},
    ControlTemplate{-1, K::Label, "Corvane Halvex Application", 92, 7, 140, 8},
    ControlTemplate{-1, K::Label, "Maintenance Tool", 92, 17, 140, 8},
    ControlTemplate{-1, K::Label, "Corvane Optical Instruments Co., Ltd.", 92, 27, 140, 8},
    ControlTemplate{-1, K::EtchedLine, "", 9, 60, 223, 1},
    ControlTemplate{IDOK, K::DefPushButton, "OK", 95, 74, 50, 14},
};

constexpr std::array kMainMenuItems{
    MenuItemTemplate{"&File", "&New", MenuId::FileNew, false},
    MenuItemTemplate{"&File", "&Load", MenuId::FileLoad, false},
    MenuItemTemplate{"&File", "&Save", MenuId::FileSave, false},
    MenuItemTemplate{"&File", "E&xit", MenuId::FileExit, false},
    MenuItemTemplate{"&Window", "&Camera Data Setting Screen", MenuId::CameraDataScreen, false},
    MenuItemTemplate{"&Window", "&Maintenance Screen", MenuId::MaintenanceScreen, false},
    MenuItemTemplate{"&Window", "&Application Data Setting Screen", MenuId::ApplicationDataScreen,
                     false},
    MenuItemTemplate{"&Window", "Camera &Sequential Screen", MenuId::SequentialScreen, false},
    MenuItemTemplate{"&Window", "&Device Information", MenuId::DeviceInformation, false},
    MenuItemTemplate{"&Help", "&Help Topics", MenuId::HelpTopics, true},
    MenuItemTemplate{"&Help", "&Overview", MenuId::HelpOverview, true},
    MenuItemTemplate{"&Help", nullptr, 0, false},
    MenuItemTemplate{"&Help", "&About Halvex Application", MenuId::About, false},
};

} // namespace

const DialogTemplate kDeviceInfoDialogTemplate{
    ResourceId::DeviceInfoDialog, "Corvane Halvex Application", 170, 168, "Arial", 8, 0,
    kDeviceInfoControls};

const DialogTemplate kAboutDialogTemplate{
    ResourceId::AboutDialog, "About Halvex Application", 240, 95, "MS Sans Serif", 8, 0,
    kAboutControls};

const MenuTemplate kMainMenuTemplate{ResourceId::MainMenu, kMainMenuItems};

} // namespace halvex
