// The sixteen standard colours that the font dialog offers for a text, with the names the settings
// files give them.
#pragma once

#include <QLatin1StringView>
#include <span>

namespace halvex {

struct StandardColour {
    QLatin1StringView name;
    int red, green, blue;
};

// In the order the font dialog lists them.
std::span<const StandardColour> standardColours();

} // namespace halvex
