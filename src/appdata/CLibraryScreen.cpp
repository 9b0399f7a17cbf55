// The Library Screen page: the folders and file names of the camera application's library
// screen.
#include "appdata/CLibraryScreen.h"

#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <array>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;
using enum BindingKind;
constexpr QLatin1StringView Section = "LibraryScreenParameter"_L1;

constexpr std::array kBindings{
    PageBinding{Text, AppDataId::LoadLocation, Section, "LoadLocation"_L1},
    PageBinding{Text, AppDataId::LoadFilename, Section, "LoadFilename"_L1},
    PageBinding{Text, AppDataId::SaveLocation, Section, "SaveLocation"_L1},
    PageBinding{Text, AppDataId::SaveFilename, Section, "SaveFilename"_L1},
};

} // namespace

CLibraryScreen::CLibraryScreen() : SettingsPage(kLibraryScreenPageTemplate, kBindings) {}

} // namespace halvex
