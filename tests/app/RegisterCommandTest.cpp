// Register command texts: parsing, read-modify-write on the simulated sensor, the data field.
#include "camera/RegisterCommand.h"
#include "AppTestEnvironment.h"
#include "camera/RegisterAccess.h"

#include <VX3lib.h>

namespace halvex::test {
namespace {

TEST(RegisterCommandText, FieldsParseLikeTheCLibrary) {
    const std::pair<const char*, std::tuple<int, int, int>> cases[] = {
        {"06,ff,05", {6, 0xFF, 5}},    {"0x06,0XFF,0x7", {6, 0xFF, 7}}, // prefixes accepted
        {" 06 , ff,zz", {6, 0xFF, 0}}, {"06,f0,1g", {6, 0xF0, 1}},      // each stops at a non-digit
        {"06,,12", {6, 0, 0x12}},      {"06,ff", {6, 0, 0xFF}}, // a missing field counts as 0
        {"45", {0, 0, 0x45}},          {"1ff,1ff,-1", {0x1FF, 0xFF, 0xFF}}, // whole address
        {"0x,0xg,+a", {0, 0, 10}}, // "0x" is a prefix only before a digit
    };
    for (const auto& [text, fields] : cases) {
        const ParsedRegisterCommand parsed = parseRegisterCommand(QString::fromLatin1(text));
        EXPECT_EQ(std::tuple(parsed.address, int{parsed.mask}, int{parsed.value}), fields) << text;
    }
    // Beyond the 32-bit range a number saturates, as strtol's long does.
    const std::pair<const char*, std::int32_t> limits[] = {{" -1", -1},
                                                           {"7fffffff", 0x7FFFFFFF},
                                                           {"ffffffffff", 0x7FFFFFFF},
                                                           {"-ffffffffff", -0x7FFFFFFF - 1}};
    for (const auto& [text, expected] : limits) {
        EXPECT_EQ(parseHex(QString::fromLatin1(text)), expected) << text;
    }
}

using RegisterCommandTest = AppTest;

// Register 06 (brightness) has no side effects, so it carries the arithmetic of every case.
TEST_F(RegisterCommandTest, SetRegisterWritesTheMaskedValue) {
    char buffer[VX3_INIT_BUFFER_SIZE] = {};
    ASSERT_NE(VX3_InitCamera(buffer), 0);
    const std::tuple<const char*, std::uint8_t, int> cases[] = {
        {"06,04,04", 0x31, 0x35}, // sets the owned bit
        {"06,04,00", 0x35, 0x31}, // clears it
        {"06,DF,04", 0xFF, 0x24}, // bit 5 kept, other owned bits cleared, bit 2 set
        {"06,01,03", 0x00, 0x03}, // value bits outside the mask are written too
    };
    for (const auto& [command, before, after] : cases) {
        SCOPED_TRACE(command);
        ASSERT_NE(VX3_EST_SetAdrsData(0x06, 1, &before), 0);
        vx3sim::clearLog();
        RegisterAccess().SetRegister(QString::fromLatin1(command));
        EXPECT_EQ(vx3sim::peekRegister(0x06), after);
        EXPECT_EQ(calls(),
                  (std::vector<std::string>{"VX3_EST_GetAdrsData", "VX3_EST_SetAdrsData"}));
    }
}

TEST(RegisterCommandText, DataFieldAndTwoDigitForm) {
    EXPECT_EQ(ToTwoDigits(QStringLiteral("5")), QStringLiteral("05"));
    EXPECT_EQ(ToTwoDigits(QString()), QStringLiteral("00"));
    EXPECT_EQ(ToTwoDigits(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(dataField(QStringLiteral("03,FF,8a")), 0x8A);
    EXPECT_EQ(dataField(QStringLiteral("03,FF,5")), 0);
    EXPECT_EQ(withDataField(QStringLiteral("03,FF,80"), 0xC8), QStringLiteral("03,FF,c8"));
    EXPECT_EQ(withDataField(QStringLiteral("03,FF,80"), 5), QStringLiteral("03,FF,05"));
    EXPECT_EQ(withDataField(QStringLiteral("7"), 255), QStringLiteral("ff"));
}

} // namespace
} // namespace halvex::test
