// The sixteen standard colours of the font dialog.
#include "resources/StandardColours.h"

#include <array>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;

// "FUSCHIA" is spelt as the settings files spell it.
constexpr std::array kStandardColours{
    StandardColour{"BLACK"_L1, 0, 0, 0},        StandardColour{"MAROON"_L1, 128, 0, 0},
    StandardColour{"GREEN"_L1, 0, 128, 0},      StandardColour{"OLIVE"_L1, 128, 128, 0},
    StandardColour{"NAVY"_L1, 0, 0, 128},       StandardColour{"PURPLE"_L1, 128, 0, 128},
    StandardColour{"TEAL"_L1, 0, 128, 128},     StandardColour{"GRAY"_L1, 128, 128, 128},
    StandardColour{"SILVER"_L1, 192, 192, 192}, StandardColour{"RED"_L1, 255, 0, 0},
    StandardColour{"LIME"_L1, 0, 255, 0},       StandardColour{"YELLOW"_L1, 255, 255, 0},
    StandardColour{"BLUE"_L1, 0, 0, 255},       StandardColour{"FUSCHIA"_L1, 255, 0, 255},
    StandardColour{"AQUA"_L1, 0, 255, 255},     StandardColour{"WHITE"_L1, 255, 255, 255},
};

} // namespace

std::span<const StandardColour> standardColours() {
    return kStandardColours;
}

} // namespace halvex
