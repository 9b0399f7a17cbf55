// The stored forms of the text font and the colours, both ways, malformed forms included.
#include "appdata/FontColour.h"
#include "framework/QtDialogService.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

TEST(FontColourTest, StylesAndTheirNamesAndAttributes) {
    using Case = std::tuple<const char*, const char*, int, bool>;
    for (const auto& [code, name, weight, italic] :
         {Case{"0", "REGULAR", 400, false}, Case{"1", "BOLD", 700, false},
          Case{"2", "ITALIC", 400, true}, Case{"3", "BOLDITALIC", 700, true}}) {
        EXPECT_EQ(styleNameFromCode(QLatin1String(code)), QLatin1String(name));
        EXPECT_EQ(styleCodeFromName(QLatin1String(name)), QLatin1String(code));
        EXPECT_EQ(styleNameFromAttributes(weight, italic), QLatin1String(name));
        EXPECT_EQ(attributesFromStyleName(QLatin1String(name)).weight, weight) << name;
        EXPECT_EQ(attributesFromStyleName(QLatin1String(name)).italic, italic) << name;
    }
    EXPECT_EQ(styleNameFromCode(QStringLiteral(" 1")), QString());
    EXPECT_EQ(styleCodeFromName(QStringLiteral("Bold")), QString());
    EXPECT_EQ(styleNameFromAttributes(401, false), QString());
}

TEST(FontColourTest, TheSixteenColourNamesMatchAllThreeComponents) {
    using Case = std::tuple<int, int, int, const char*>;
    for (const auto& [red, green, blue, name] :
         {Case{0, 0, 0, "BLACK"}, Case{128, 0, 0, "MAROON"}, Case{0, 128, 0, "GREEN"},
          Case{128, 128, 0, "OLIVE"}, Case{0, 0, 128, "NAVY"}, Case{128, 0, 128, "PURPLE"},
          Case{0, 128, 128, "TEAL"}, Case{128, 128, 128, "GRAY"}, Case{192, 192, 192, "SILVER"},
          Case{255, 0, 0, "RED"}, Case{0, 255, 0, "LIME"}, Case{255, 255, 0, "YELLOW"},
          Case{0, 0, 255, "BLUE"}, Case{255, 0, 255, "FUSCHIA"}, Case{0, 255, 255, "AQUA"},
          Case{255, 255, 255, "WHITE"}, Case{128, 128, 129, ""}, Case{254, 0, 0, ""},
          Case{0, 0, 1, ""}}) {
        EXPECT_EQ(colourName(makeColourRef(red, green, blue)), QLatin1String(name))
            << red << "," << green << "," << blue;
    }
}

// Read in base sixteen as one byte: blanks, a sign and 0x may lead; digits stop at the first other
// character; nothing readable counts as 0; above ff only the low byte is kept.
TEST(FontColourTest, StoredComponentsAreReadInBaseSixteenAsOneByte) {
    using Case = std::pair<const char*, int>;
    for (const auto& [text, component] :
         {Case{"ff", 255}, Case{"FF", 255}, Case{"c8", 200}, Case{" 80", 128}, Case{"0x1f", 31},
          Case{"+a", 10}, Case{"", 0}, Case{"zz", 0}, Case{"1z", 1}, Case{"0x", 0}, Case{"100", 0},
          Case{"1ff", 255}, Case{"-1", 255}, Case{"fffffffffff", 255}, Case{"-fffffffffff", 0}}) {
        EXPECT_EQ(componentFromHex(QLatin1String(text)), component) << text;
    }
    EXPECT_EQ(colourFromHex(QStringLiteral("c"), QStringLiteral("c8"), QStringLiteral("ff")),
              0x00FFC80Cu);
}

TEST(FontColourTest, CellHeightRoundsUpOnlyAboveOneHalf) {
    for (const auto& [points, height] :
         {std::pair{9, 12}, {10, 13}, {12, 16}, {8, 10}, {72, 96}, {0, 0}}) {
        EXPECT_EQ(fontHeightFromPoints(points), height) << points;
    }
    // A face name is cut to the 31 characters a font description holds.
    const QString face = QStringLiteral("A typeface name far longer than thirty-one");
    EXPECT_EQ(fontDescriptionFromShown(face, QStringLiteral("10"), QString(), QString()).faceName,
              "A typeface name far longer than");
}

// The font dialog's answer: a face left as the dialog offered it (the desktop's stand-in for a face
// it lacks) keeps the stored face; any weight comes back as it is, so that only 400 and 700 have a
// style name. A description without a weight opens the dialog on a regular font.
TEST(FontColourTest, FontDialogKeepsAFaceLeftAloneAndReportsTheWeightChosen) {
    FontDescription initial;
    initial.faceName = QStringLiteral("Arial");
    for (const auto& [family, weight, face, style] :
         {std::tuple{"Sans Serif", QFont::Normal, "Arial", "REGULAR"},
          {"Sans Serif", QFont::Medium, "Arial", ""},
          {"Courier New", QFont::Bold, "Courier New", "BOLD"},
          {"Courier New", QFont::Light, "Courier New", ""}}) {
        QFont chosen{QString::fromLatin1(family)};
        chosen.setWeight(weight);
        const FontDescription answer =
            descriptionOfChosenFont(initial, QStringLiteral("Sans Serif"), chosen);
        EXPECT_EQ(answer.faceName, QLatin1String(face)) << family << weight;
        EXPECT_EQ(styleNameFromAttributes(answer.weight, answer.italic), QLatin1String(style))
            << family << weight;
    }
    initial.weight = AnyWeight;
    EXPECT_EQ(fontOfDescription(initial).weight(), QFont::Normal);
    initial.weight = 700;
    EXPECT_EQ(fontOfDescription(initial).weight(), QFont::Bold);
}

} // namespace
} // namespace halvex
