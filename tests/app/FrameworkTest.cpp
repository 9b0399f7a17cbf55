// The framework layer: dialog units, float exchange rules, templates and menus as the windows use
// them.
#include "AppTestEnvironment.h"
#include "framework/DataExchange.h"
#include "framework/DialogUnits.h"
#include "framework/MenuBar.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <set>

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
        {"1.2", true},  {" 0.8 ", true}, {".5", true},    {"0", true},      {"2e0", true},
        {"", false},    {"abc", false},  {"1.2x", false}, {"-0", false},    {"nan", false},
        {"inf", false}, {"1 2", false},  {"0x1A", false}, {"0x1p3", false}, {" -0X.8", false},
    };
    for (const auto& [text, accepted] : cases) {
        SCOPED_TRACE(text);
        double value = 0.0;
        EXPECT_EQ(parseFloat(QString::fromLatin1(text), value), accepted);
    }
    EXPECT_EQ(formatFloat(1.2f), QStringLiteral("1.2"));
    EXPECT_EQ(formatFloat(2.0), QStringLiteral("2"));
}

TEST(Templates, MainWindowControlsAreUniqueAndTheMenuIsComplete) {
    const DialogTemplate& main = dialogTemplate(ResourceId::MainDialog);
    std::set<int> ids;
    for (const ControlTemplate& control : main.controls) {
        EXPECT_TRUE(ids.insert(control.id).second) << control.id;
    }
    // Every control of the calibration panel exists.
    for (int id = 1187; id <= 1238; ++id) {
        if (id != 1221) {
            EXPECT_TRUE(ids.count(id)) << id;
        }
    }
    EXPECT_EQ(menuTemplate(ResourceId::MainMenu).items.size(), 13u);
    EXPECT_THROW(dialogTemplate(4711), std::logic_error);
}

} // namespace
} // namespace halvex::test
