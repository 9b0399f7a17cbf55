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
    for (const char* text : {"1.2", " 0.8 ", ".5", "0", "2e0", "3.40282e+38"}) {
        float value = -7.0f;
        EXPECT_TRUE(parseFloat(QString::fromLatin1(text), value)) << text;
    }
    // Decimal only (the C library's hexadecimal floats are refused), and nothing beyond a float.
    for (const char* text :
         {"", "abc", "1.2x", "-0", "nan", "inf", "1 2", "-1e39", "1e400",
          "99999999999999999999999999999999999999999999", "0x1A", "0x1p3", " -0X.8"}) {
        float value = -7.0f;
        EXPECT_FALSE(parseFloat(QString::fromLatin1(text), value)) << text;
        EXPECT_EQ(value, -7.0f) << text; // a refused text leaves the member as it was
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
