// The Capture Screen page: the CaptureScreenParameter keys of the camera application's capture
// screen.
#include "appdata/CCaptureScreen.h"

#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;
using enum BindingKind;
constexpr QLatin1StringView Section = "CaptureScreenParameter"_L1;

constexpr std::array kBindings{
    PageBinding{EntryText, AppDataId::CaptureScale, Section, "Scale"_L1},
    PageBinding{Text, AppDataId::AutosaveLocation, Section, "AutosaveLocation"_L1},
    PageBinding{Text, AppDataId::AutosavePrefix, Section, "AutosavePrefix"_L1},
    PageBinding{Index, AppDataId::SnapshotDefaultFormat, Section, "SnapshotDefaultFormat"_L1},
    PageBinding{Index, AppDataId::MovieDefaultFormat, Section, "MovieDefaultFormat"_L1},
    PageBinding{Index, AppDataId::ImageSizeDefault, Section, "ImageSizeDefault"_L1},
    PageBinding{EntryText, AppDataId::AutoExposure, Section, "AutoExposure"_L1},
    PageBinding{Level, AppDataId::ManualExposure, Section, "ManualExposure"_L1,
                AppDataId::ManualExposureSlider},
    PageBinding{Text, AppDataId::LoadFileLocation, Section, "LoadFileLocation"_L1},
    PageBinding{Text, AppDataId::CaptureSaveAsLocation, Section, "SaveAsLocation"_L1},
    PageBinding{Index, AppDataId::SaveAsSnapshotDefaultFormat, Section,
                "SaveAsSnapshotDefaultFormat"_L1},
    PageBinding{Index, AppDataId::SaveAsMovieDefaultFormat, Section, "SaveAsMovieDefaultFormat"_L1},
};

} // namespace

CCaptureScreen::CCaptureScreen() : SettingsPage(kCaptureScreenPageTemplate, kBindings) {}

} // namespace halvex
