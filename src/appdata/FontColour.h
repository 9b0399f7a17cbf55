// The stored text forms of the processing screen's text font, text colour and information colour,
// to and from what the font and colour dialogs take and give.
#pragma once

#include "framework/DialogService.h"

#include <QColor>
#include <QString>
#include <cstdint>

namespace halvex {

// A colour as the settings exchange it: 0x00BBGGRR, red in the lowest byte.
using ColourRef = std::uint32_t;

constexpr ColourRef makeColourRef(int red, int green, int blue) {
    return static_cast<ColourRef>(red & 0xff) | (static_cast<ColourRef>(green & 0xff) << 8) |
           (static_cast<ColourRef>(blue & 0xff) << 16);
}
constexpr int redOf(ColourRef colour) {
    return static_cast<int>(colour & 0xff);
}
constexpr int greenOf(ColourRef colour) {
    return static_cast<int>((colour >> 8) & 0xff);
}
constexpr int blueOf(ColourRef colour) {
    return static_cast<int>((colour >> 16) & 0xff);
}
QColor toQColor(ColourRef colour);
ColourRef fromQColor(const QColor& colour);

// Font weights of the style names; a description with another weight has no style name.
inline constexpr int RegularWeight = 400;
inline constexpr int BoldWeight = 700;
// The weight a font description starts with when the shown style has no name: no preference.
inline constexpr int AnyWeight = 0;

// "0".."3" to "REGULAR", "BOLD", "ITALIC", "BOLDITALIC"; any other code has the empty name.
QString styleNameFromCode(const QString& code);
// The reverse; an empty or unknown name has the empty code.
QString styleCodeFromName(const QString& name);
QString styleNameFromAttributes(int weight, bool italic);

struct FontAttributes {
    int weight;
    bool italic;
};
// An empty or unknown name gives AnyWeight, not italic, so that a dialog left alone keeps the name
// empty.
FontAttributes attributesFromStyleName(const QString& name);

// One of the sixteen standard colour names, or empty for any other colour.
QString colourName(ColourRef colour);

// A colour component as the settings hold it: lower-case hexadecimal without leading zeros.
QString hexComponent(int component);
// A stored component read in base 16 as the C library's strtol reads it (blanks, a sign and a 0x
// prefix allowed, no digits read as 0, a 32-bit overflow saturates) and taken as its low byte.
int componentFromHex(const QString& text);
ColourRef colourFromHex(const QString& red, const QString& green, const QString& blue);

// TextSize (tenths of a point) as the whole points shown: "%d" of the leading integer / 10.
QString pointsFromTenths(const QString& tenths);
// The cell height in pixels of a font of this many points: (points - 0.2) * 4/3, rounded up only
// when the fraction is above one half.
int fontHeightFromPoints(int points);

// Longest face name a font description holds; a longer typeface is cut there.
inline constexpr int MaxFaceNameLength = 31;

// The font description the font dialog starts from, built from the texts the page shows.
FontDescription fontDescriptionFromShown(const QString& typeface, const QString& points,
                                         const QString& styleName, const QString& underline);

} // namespace halvex
