// The stored text forms of the processing screen's text font, text colour and information colour.
#include "appdata/FontColour.h"

#include "framework/TextNumbers.h"
#include "resources/StandardColours.h"

#include <array>
#include <cstdint>

namespace halvex {
namespace {

using namespace Qt::Literals::StringLiterals;

struct Style {
    QLatin1StringView code;
    QLatin1StringView name;
    int weight;
    bool italic;
};

constexpr std::array kStyles{
    Style{"0"_L1, "REGULAR"_L1, RegularWeight, false},
    Style{"1"_L1, "BOLD"_L1, BoldWeight, false},
    Style{"2"_L1, "ITALIC"_L1, RegularWeight, true},
    Style{"3"_L1, "BOLDITALIC"_L1, BoldWeight, true},
};

} // namespace

QColor toQColor(ColourRef colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

ColourRef fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return makeColourRef(rgb.red(), rgb.green(), rgb.blue());
}

QString styleNameFromCode(const QString& code) {
    for (const Style& style : kStyles) {
        if (code == style.code) {
            return style.name;
        }
    }
    return {};
}

QString styleCodeFromName(const QString& name) {
    for (const Style& style : kStyles) {
        if (name == style.name) {
            return style.code;
        }
    }
    return {};
}

QString styleNameFromAttributes(int weight, bool italic) {
    for (const Style& style : kStyles) {
        if (weight == style.weight && italic == style.italic) {
            return style.name;
        }
    }
    return {};
}

FontAttributes attributesFromStyleName(const QString& name) {
    for (const Style& style : kStyles) {
        if (name == style.name) {
            return {style.weight, style.italic};
        }
    }
    return {AnyWeight, false};
}

QString colourName(ColourRef colour) {
    for (const StandardColour& standard : standardColours()) {
        if (makeColourRef(standard.red, standard.green, standard.blue) == colour) {
            return standard.name;
        }
    }
    return {};
}

QString hexComponent(int component) {
    return QString::number(component & 0xff, 16);
}

int componentFromHex(const QString& text) {
    return static_cast<int>(static_cast<std::uint32_t>(leadingInteger(text, 16)) & 0xff);
}

ColourRef colourFromHex(const QString& red, const QString& green, const QString& blue) {
    return makeColourRef(componentFromHex(red), componentFromHex(green), componentFromHex(blue));
}

QString pointsFromTenths(const QString& tenths) {
    return QString::number(leadingInteger(tenths) / 10);
}

int fontHeightFromPoints(int points) {
    const double height = (points - 0.2) * 4.0 / 3.0;
    const int whole = static_cast<int>(height);
    return height - whole > 0.5 ? whole + 1 : whole;
}

FontDescription fontDescriptionFromShown(const QString& typeface, const QString& points,
                                         const QString& styleName, const QString& underline) {
    FontDescription font;
    font.faceName = typeface.left(MaxFaceNameLength);
    font.height = fontHeightFromPoints(leadingInteger(points));
    const FontAttributes attributes = attributesFromStyleName(styleName);
    font.weight = attributes.weight;
    font.italic = attributes.italic;
    font.underline = underline == "ON"_L1;
    return font;
}

} // namespace halvex
