// Register command texts: parsing, read-modify-write on the simulated sensor, the data field.
#include "camera/RegisterCommand.h"
#include "AppTestEnvironment.h"
#include "camera/RegisterAccess.h"

#include <VX3lib.h>

namespace halvex::test {
namespace {

class RegisterCommandTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        char buffer[VX3_INIT_BUFFER_SIZE] = {};
        ASSERT_NE(VX3_InitCamera(buffer), 0);
    }
    static void poke(int address, int value) {
        const auto byte = static_cast<std::uint8_t>(value);
        ASSERT_NE(VX3_EST_SetAdrsData(static_cast<std::uint32_t>(address), 1, &byte), 0);
    }
    RegisterAccess access;
};

struct SetCase {
    const char* command;
    int before, after;
};

// Register 06 (brightness) has no side effects, so it carries the arithmetic of every case.
const SetCase kSetCases[] = {
    {"06,04,04", 0x31, 0x35},        // sets the owned bit
    {"06,04,00", 0x35, 0x31},        // clears it
    {"06,DF,04", 0xFF, 0x24},        // bit 5 kept, other owned bits cleared, bit 2 set
    {"06,01,03", 0x00, 0x03},        // value bits outside the mask are written too
    {"06,ff,05", 0x80, 0x05},        // lower case parses alike
    {"0x06,0xff,0x7", 0x00, 0x07},   // prefixes accepted
    {" 06 , ff,zz", 0x40, 0x00},     // nothing hexadecimal in the value: 0
    {"06,f0,1g", 0x0F, 0x0F | 0x01}, // value stops at the first non-digit
    {"06,,12", 0xF0, 0xF2},          // empty mask: nothing cleared
    {"06,ff", 0x55, 0x55 | 0xFF},    // no third comma: mask 0, value is the whole rest
};

TEST_F(RegisterCommandTest, SetRegisterWritesTheMaskedValue) {
    for (const SetCase& c : kSetCases) {
        SCOPED_TRACE(c.command);
        poke(0x06, c.before);
        vx3sim::clearLog();
        access.SetRegister(QString::fromLatin1(c.command));
        EXPECT_EQ(vx3sim::peekRegister(0x06), c.after);
        EXPECT_EQ(calls(),
                  (std::vector<std::string>{"VX3_EST_GetAdrsData", "VX3_EST_SetAdrsData"}));
    }
}

TEST_F(RegisterCommandTest, GetRegisterMasksWithoutShifting) {
    poke(0x06, 0x2C);
    const std::pair<const char*, int> cases[] = {{"06,04,04", 4},    {"06,04", 0}, {"06,04,", 4},
                                                 {"06,F0,00", 0x20}, {"06", 0},    {"", 0}};
    for (const auto& [command, expected] : cases) {
        SCOPED_TRACE(command);
        EXPECT_EQ(access.GetRegister(QString::fromLatin1(command)), expected);
    }
}

TEST(RegisterCommandText, HexParsingFollowsTheCLibrary) {
    const std::pair<const char*, std::int32_t> cases[] = {{"1f", 0x1F},
                                                          {" -1", -1},
                                                          {"+a", 10},
                                                          {"0x", 0},
                                                          {"0xg", 0},
                                                          {"", 0},
                                                          {"zz", 0},
                                                          {"7fffffff", 0x7FFFFFFF},
                                                          {"ffffffffff", 0x7FFFFFFF},
                                                          {"-ffffffffff", -0x7FFFFFFF - 1}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parseHex(QString::fromLatin1(text)), expected) << text;
    }
    // Missing fields count as zero; the whole address goes to the library.
    const ParsedRegisterCommand noComma = parseRegisterCommand(QStringLiteral("45"));
    EXPECT_EQ(std::tuple(noComma.address, noComma.mask, noComma.value), std::tuple(0, 0, 0x45));
    const ParsedRegisterCommand wide = parseRegisterCommand(QStringLiteral("1ff,1ff,-1"));
    EXPECT_EQ(std::tuple(wide.address, wide.mask, wide.value), std::tuple(0x1FF, 0xFF, 0xFF));
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
