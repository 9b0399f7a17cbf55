// The value slider moved from typed text: the number read, the slider position and the text written
// back.
#include "controls/ValueSlider.h"

#include <gtest/gtest.h>

namespace halvex {
namespace {

// The slider starts at 5 and the text variable as "old"; position, buffer and text are afterwards.
struct TypedText {
    const char* typed;
    int rangeMax, returned, position;
    const char *buffer, *text;
};

class SetPosFromTextTest : public ::testing::TestWithParam<TypedText> {};

TEST_P(SetPosFromTextTest, ReadsMovesAndRewrites) {
    const TypedText& c = GetParam();
    ValueSlider slider;
    slider.SetRange(0, c.rangeMax);
    slider.setValue(5);
    QString buffer = QString::fromLatin1(c.typed), text = QStringLiteral("old");
    EXPECT_EQ(slider.SetPosFromText(buffer, text), c.returned);
    EXPECT_EQ(slider.value(), c.position);
    EXPECT_EQ(buffer, QString::fromLatin1(c.buffer));
    EXPECT_EQ(text, QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SetPosFromTextTest,
    ::testing::Values(
        TypedText{"007", 255, 7, 7, "7", "7"}, TypedText{"256", 255, 256, 5, "256", "old"},
        TypedText{"-1", 255, -1, 5, "-1", "old"}, TypedText{"12abc", 255, 12, 12, "12", "12"},
        TypedText{"  +42", 255, 42, 42, "42", "42"}, TypedText{"", 255, 0, 0, "0", "0"},
        TypedText{"abc", 255, 0, 0, "0", "0"},
        TypedText{"100", 63, 100, 63, "100", "100"}, // the control, not the 0..255 test, limits it
        TypedText{"99999999999999999999", 255, 2147483647, 5, "99999999999999999999", "old"}));

} // namespace
} // namespace halvex
