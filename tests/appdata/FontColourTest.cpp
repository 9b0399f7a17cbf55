// The stored forms of the text font and the colours, both ways, malformed forms included.
#include "appdata/FontColour.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

// Code, name and font attributes of the four styles, every way round.
struct StyleCase {
    const char* code;
    const char* name;
    int weight;
    bool italic;
};

TEST(FontColourTest, StylesAndTheirNamesAndAttributes) {
    for (const StyleCase& c :
         {StyleCase{"0", "REGULAR", 400, false}, StyleCase{"1", "BOLD", 700, false},
          StyleCase{"2", "ITALIC", 400, true}, StyleCase{"3", "BOLDITALIC", 700, true}}) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(styleNameFromCode(QString::fromLatin1(c.code)), name);
        EXPECT_EQ(styleCodeFromName(name), QString::fromLatin1(c.code));
        EXPECT_EQ(styleNameFromAttributes(c.weight, c.italic), name);
        EXPECT_EQ(attributesFromStyleName(name).weight, c.weight) << c.name;
        EXPECT_EQ(attributesFromStyleName(name).italic, c.italic) << c.name;
    }
    for (const char* malformed : {"7", "5", "", "-1", "01", " 1"}) {
        EXPECT_EQ(styleNameFromCode(QString::fromLatin1(malformed)), QString()) << malformed;
    }
    for (const char* unknown : {"", "Bold", "BOLD "}) {
        EXPECT_EQ(styleCodeFromName(QString::fromLatin1(unknown)), QString()) << unknown;
    }
    for (const int weight : {600, 0, 900, 401}) {
        EXPECT_EQ(styleNameFromAttributes(weight, false), QString()) << weight;
    }
}

struct ColourCase {
    int red, green, blue;
    const char* name;
};

TEST(FontColourTest, TheSixteenColourNamesMatchAllThreeComponents) {
    for (const ColourCase& c :
         {ColourCase{0, 0, 0, "BLACK"},        ColourCase{128, 0, 0, "MAROON"},
          ColourCase{0, 128, 0, "GREEN"},      ColourCase{128, 128, 0, "OLIVE"},
          ColourCase{0, 0, 128, "NAVY"},       ColourCase{128, 0, 128, "PURPLE"},
          ColourCase{0, 128, 128, "TEAL"},     ColourCase{128, 128, 128, "GRAY"},
          ColourCase{192, 192, 192, "SILVER"}, ColourCase{255, 0, 0, "RED"},
          ColourCase{0, 255, 0, "LIME"},       ColourCase{255, 255, 0, "YELLOW"},
          ColourCase{0, 0, 255, "BLUE"},       ColourCase{255, 0, 255, "FUSCHIA"},
          ColourCase{0, 255, 255, "AQUA"},     ColourCase{255, 255, 255, "WHITE"},
          ColourCase{128, 128, 129, ""},       ColourCase{254, 0, 0, ""},
          ColourCase{12, 200, 255, ""},        ColourCase{0, 0, 1, ""}}) {
        EXPECT_EQ(colourName(makeColourRef(c.red, c.green, c.blue)), QString::fromLatin1(c.name))
            << c.red << "," << c.green << "," << c.blue;
    }
}

TEST(FontColourTest, StoredComponentsAreReadInBaseSixteenAsOneByte) {
    struct Case {
        const char* text;
        int component;
    };
    for (const Case& c :
         {Case{"ff", 255}, Case{"FF", 255}, Case{"c", 12}, Case{"c8", 200}, Case{"0", 0},
          Case{"80", 128}, Case{" 80", 128}, Case{"0x1f", 31}, Case{"+a", 10},
          // malformed: nothing readable counts as 0, digits stop at the first other character
          Case{"", 0}, Case{"zz", 0}, Case{"1z", 1}, Case{"0x", 0}, Case{"g1", 0},
          // above ff: only the low byte is kept
          Case{"100", 0}, Case{"1ff", 255}, Case{"-1", 255}, Case{"fffffffffff", 255},
          Case{"-fffffffffff", 0}}) {
        EXPECT_EQ(componentFromHex(QString::fromLatin1(c.text)), c.component) << c.text;
    }
    EXPECT_EQ(colourFromHex(QStringLiteral("c"), QStringLiteral("c8"), QStringLiteral("ff")),
              0x00FFC80Cu);
    EXPECT_EQ(colourFromHex(QStringLiteral("zz"), QStringLiteral("100"), QStringLiteral("ff")),
              0x00FF0000u);
}

TEST(FontColourTest, CellHeightRoundsUpOnlyAboveOneHalf) {
    struct Case {
        int points;
        int height;
    };
    for (const Case& c :
         {Case{9, 12}, Case{10, 13}, Case{12, 16}, Case{8, 10}, Case{72, 96}, Case{0, 0}}) {
        EXPECT_EQ(fontHeightFromPoints(c.points), c.height) << c.points;
    }
    // A face name is cut to the 31 characters a font description holds.
    const QString face = QStringLiteral("A typeface name far longer than thirty-one");
    EXPECT_EQ(fontDescriptionFromShown(face, QStringLiteral("10"), QString(), QString()).faceName,
              QStringLiteral("A typeface name far longer than"));
}

} // namespace
} // namespace halvex
