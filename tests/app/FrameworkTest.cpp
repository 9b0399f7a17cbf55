// The framework layer: dialog units and the float exchange rules as the windows use them.
#include "AppTestEnvironment.h"
#include "framework/DataExchange.h"
#include "framework/DialogUnits.h"

#include <limits>

namespace halvex::test {
namespace {

TEST(DialogUnits, ConvertWithTheEightPointBaseUnits) {
    EXPECT_EQ(duRectToPixels(77, 301, 117, 34), QRect(116, 489, 176, 55));
    EXPECT_EQ(duToPixelsX(531), 797);
    EXPECT_EQ(duToPixelsY(359), 583);
    EXPECT_EQ(duToPixelsX(1), 2); // 1.5 rounds up
    EXPECT_EQ(duToPixelsY(1), 2); // 1.625 rounds up
}

TEST(FloatExchange, ParsesLikeTheDialogFramework) {
    // Decimal only: the C library's hexadecimal floats ("0x1A") are refused.
    const std::pair<const char*, bool> cases[] = {
        {"1.2", true},
        {" 0.8 ", true},
        {".5", true},
        {"0", true},
        {"2e0", true},
        {"3.40282e+38", true},
        {"", false},
        {"abc", false},
        {"1.2x", false},
        {"-0", false},
        {"nan", false},
        {"inf", false},
        {"1 2", false},
        {"99999999999999999999999999999999999999999999", false}, // beyond a float: no "inf"
        {"-1e39", false},
        {"1e400", false},
        {"0x1A", false},
        {"0x1p3", false},
        {" -0X.8", false},
    };
    for (const auto& [text, accepted] : cases) {
        SCOPED_TRACE(text);
        float value = -7.0f;
        EXPECT_EQ(parseFloat(QString::fromLatin1(text), value), accepted);
        if (!accepted) {
            EXPECT_EQ(value, -7.0f); // a refused text leaves the member as it was
        }
    }
    EXPECT_EQ(formatFloat(1.2f), QStringLiteral("1.2"));
    EXPECT_EQ(formatFloat(2.0), QStringLiteral("2"));
    // Whatever float the program holds, the text it shows is one it accepts again.
    for (float held : {std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                       std::numeric_limits<float>::denorm_min(), 0.8f}) {
        float back = 0.0f;
        EXPECT_TRUE(parseFloat(formatFloat(static_cast<double>(held)), back)) << held;
    }
}

} // namespace
} // namespace halvex::test
