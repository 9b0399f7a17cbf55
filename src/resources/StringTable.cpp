// The numbered messages of the tool's string table, as one table.
#include "resources/StringTable.h"

#include <algorithm>
#include <array>

namespace halvex {
namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr std::array kStrings{
    StringEntry{1, "No initialization file was loaded. Do you want to end this session?"},
    StringEntry{2, "A backup of the old ini file was created."},
    StringEntry{3, "The default ini file was not found in the application directory. "
                   "Re-installation is highly recommended."},
    StringEntry{4, "The file was successfully saved."},
    StringEntry{5, "Set frame rate command failed."},
    StringEntry{6, "Get frame rate command failed."},
    StringEntry{7, "The specified file extension is invalid. The image file will be saved in JPEG "
                   "format."},
    StringEntry{8, "Camera initialization failed. An instance of the application may already be "
                   "running or the device is not connected."},
    StringEntry{9, "Device not detected."},
    StringEntry{10, "Application initialization failed. The USB vendor ID was not found."},
    StringEntry{11, "Application initialization failed. The USB product ID was not found."},
    StringEntry{12, "Application initialization failed. The SDK version was not found."},
    StringEntry{13, "Application initialization failed. The Camera version was not found."},
    StringEntry{14, "You have made changes to the application data setting screen. Do you want to "
                    "save the changes?"},
    StringEntry{15, "Set white balance command failed."},
    StringEntry{16, "Get white balance command failed."},
    StringEntry{18, "Unmount camera command failed."},
    StringEntry{19, "Command failed."},
    StringEntry{20, "Operation timeout!"},
    StringEntry{21, "The obtained color adjustment values are out of range."},
    StringEntry{22, "An error occured in VX3_LV_StartMovie(). Please restart the application."},
    StringEntry{24, "The average value of the green component is out of range."},
    StringEntry{25, "An error occured in VX3_LV_StopMovie(). "},
    StringEntry{26,
                "One or more of the pixel ratio is out of range. To fix \nthis problem, you can "
                "change the settings of the device or \nchange the limits of the pixel ratio."},
};

} // namespace

QString loadString(int id) {
    const auto* it = std::find_if(kStrings.begin(), kStrings.end(),
                                  [id](const StringEntry& e) { return e.id == id; });
    return it == kStrings.end() ? QString() : QString::fromUtf8(it->text);
}

} // namespace halvex
