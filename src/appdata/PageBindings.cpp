// Which control of which application-data page edits which key of the settings store, and how.
#include "appdata/PageBindings.h"

#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;
using enum BindingKind;
using namespace AppDataId;

constexpr QLatin1StringView C = "CaptureScreenParameter"_L1;
constexpr QLatin1StringView L = "LibraryScreenParameter"_L1;

// The version text and the two scale factors have handlers of the page's own.
constexpr std::array kParameter{
    PageBinding{EntryText, UserMakeFolder, "UserFolder"_L1, "UserMakeFolder"_L1},
    PageBinding{EntryText, DefaultFolderErase, "DefaultFolderDataErase"_L1,
                "DefaultFolderErase"_L1},
    PageBinding{EntryText, SizeCheck, "DataSizeCheck"_L1, "SizeCheck"_L1},
    PageBinding{EntryText, Autosave, "ProcessingAutosave"_L1, "Autosave"_L1},
};

constexpr std::array kCaptureScreen{
    PageBinding{EntryText, CaptureScale, C, "Scale"_L1},
    PageBinding{Text, AutosaveLocation, C, "AutosaveLocation"_L1},
    PageBinding{Text, AutosavePrefix, C, "AutosavePrefix"_L1},
    PageBinding{Index, SnapshotDefaultFormat, C, "SnapshotDefaultFormat"_L1},
    PageBinding{Index, MovieDefaultFormat, C, "MovieDefaultFormat"_L1},
    PageBinding{Index, ImageSizeDefault, C, "ImageSizeDefault"_L1},
    PageBinding{EntryText, AutoExposure, C, "AutoExposure"_L1},
    PageBinding{Level, ManualExposure, C, "ManualExposure"_L1, ManualExposureSlider},
    PageBinding{Text, LoadFileLocation, C, "LoadFileLocation"_L1},
    PageBinding{Text, CaptureSaveAsLocation, C, "SaveAsLocation"_L1},
    PageBinding{Index, SaveAsSnapshotDefaultFormat, C, "SaveAsSnapshotDefaultFormat"_L1},
    PageBinding{Index, SaveAsMovieDefaultFormat, C, "SaveAsMovieDefaultFormat"_L1},
};

constexpr std::array kLibraryScreen{
    PageBinding{Text, LoadLocation, L, "LoadLocation"_L1},
    PageBinding{Text, LoadFilename, L, "LoadFilename"_L1},
    PageBinding{Text, SaveLocation, L, "SaveLocation"_L1},
    PageBinding{Text, SaveFilename, L, "SaveFilename"_L1},
};

// The font and colour group has handlers of the page's own.
namespace processing {
using namespace ProcessingId;
constexpr QLatin1StringView P = "ProcessingScreenParameter"_L1;

constexpr PageBinding level(int text, int slider, QLatin1StringView key) {
    return PageBinding{Level, text, P, key, slider};
}

constexpr std::array kBindings{
    PageBinding{Text, SaveAsLocation, P, "SaveAsLocation"_L1},
    PageBinding{Text, SaveAsFilename, P, "SaveAsFilename"_L1},
    PageBinding{EntryText, Scale, P, "Scale"_L1},
    PageBinding{EntryText, ImageInformation, P, "ImageInformation"_L1},
    PageBinding{Index, Rotate, P, "Rotate"_L1},
    PageBinding{Index, Flip, P, "Flip"_L1},
    PageBinding{Index, WhiteBalanceSelect, P, "WhiteBalanceSelect"_L1},
    PageBinding{Index, BlackBalanceSelect, P, "BlackBalanceSelect"_L1},
    PageBinding{EntryText, CalendarSelect, P, "CalendarSelect"_L1},
    level(HueText, HueSlider, "Hue"_L1),
    level(SaturationText, SaturationSlider, "Saturation"_L1),
    level(IntensityText, IntensitySlider, "Intensity"_L1),
    level(ColorBalanceCrText, ColorBalanceCrSlider, "ColorBalanceCR"_L1),
    level(ColorBalanceMgText, ColorBalanceMgSlider, "ColorBalanceMG"_L1),
    level(ColorBalanceYbText, ColorBalanceYbSlider, "ColorBalanceYB"_L1),
    level(BrightnessText, BrightnessSlider, "Brightness"_L1),
    level(ContrastText, ContrastSlider, "Contrast"_L1),
    level(SharpnessText, SharpnessSlider, "Sharpness"_L1),
    level(GammaText, GammaSlider, "Gamma"_L1),
    level(BlackBalanceTargetText, BlackBalanceTargetSlider, "BlackBalanceTarget"_L1),
    level(BlackBalanceLimitText, BlackBalanceLimitSlider, "BlackBalanceLimit"_L1),
};
} // namespace processing

} // namespace

std::span<const PageBinding> parameterBindings() {
    return kParameter;
}

std::span<const PageBinding> captureScreenBindings() {
    return kCaptureScreen;
}

std::span<const PageBinding> libraryScreenBindings() {
    return kLibraryScreen;
}

std::span<const PageBinding> processingScreenBindings() {
    return processing::kBindings;
}

} // namespace halvex
