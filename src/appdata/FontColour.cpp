// The stored text forms of the processing screen's text font, text colour and information colour.
#include "appdata/FontColour.h"

#include "appdata/TextNumbers.h"
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

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c.unicode() - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c.unicode() - u'A' + 10;
    }
    return -1;
}

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
    constexpr std::int64_t LongMax = 0x7fffffff; // the settings' long is 32 bits wide
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i + 2 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
        hexDigit(text[i + 2]) >= 0) {
        i += 2;
    }
    std::int64_t value = 0;
    for (int digit = 0; i < n && (digit = hexDigit(text[i])) >= 0; ++i) {
        value = value * 16 + digit;
        if (value > LongMax + 1) {
            value = LongMax + 1;
        }
    }
    if (negative) {
        value = -value; // LONG_MIN when it saturated
    } else if (value > LongMax) {
        value = LongMax;
    }
    return static_cast<int>(static_cast<std::uint32_t>(value) & 0xff);
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
