// Look-up of dialog and menu templates by resource id.
#include "resources/DialogTemplates.h"

#include <array>
#include <stdexcept>
#include <string>

namespace halvex {
namespace {

template <typename T, std::size_t N>
const T& findById(const std::array<const T*, N>& table, int id) {
    for (const T* entry : table) {
        if (entry->id == id) {
            return *entry;
        }
    }
    throw std::logic_error("no resource " + std::to_string(id));
}

} // namespace

const DialogTemplate& dialogTemplate(int id) {
    static const std::array kDialogs{
        &kMainDialogTemplate,       &kDeviceInfoDialogTemplate,  &kAboutDialogTemplate,
        &kCameraSetting1Template,   &kCameraSetting2Template,    &kAppDataDialogTemplate,
        &kParameterPageTemplate,    &kCaptureScreenPageTemplate, &kLibraryScreenPageTemplate,
        &kProcessingScreenTemplate,
    };
    return findById(kDialogs, id);
}

const MenuTemplate& menuTemplate(int id) {
    static const std::array kMenus{
        &kMainMenuTemplate,
        &kAppDataMenuTemplate,
    };
    return findById(kMenus, id);
}

} // namespace halvex
