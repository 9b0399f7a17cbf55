// Which control of which application-data page edits which key of the settings store, and how.
#pragma once

#include "appdata/SettingsPage.h"

namespace halvex {

std::span<const PageBinding> parameterBindings();
std::span<const PageBinding> captureScreenBindings();
std::span<const PageBinding> libraryScreenBindings();
std::span<const PageBinding> processingScreenBindings();

} // namespace halvex
