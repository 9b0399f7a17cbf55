// Faulty camera units, chosen before the tool starts, each through the procedure that must catch
// it: the message it ends with, when, and the procedure still finishing in its closing state.
#include "CalibrationFixture.h"
#include "camerasettings/CCameraSetting1.h"

namespace halvex::test {
namespace {

struct BadUnitCase {
    const char* name;
    vx3sim::BadUnit unit;
    int button; // clicked from the idle Maintenance Screen, live view stopped
    QString message;
    MessageIcon icon;
    MessageButtons buttons;
    double shownAfterMin, shownAfterMax; // virtual seconds from the click; 0: not timed
    int beepsBeforeBox;
};

class BadUnitTest : public CalibrationTest, public ::testing::WithParamInterface<BadUnitCase> {};

TEST_P(BadUnitTest, EndsWithItsMessageAndTheProcedureFinishes) {
    const BadUnitCase& c = GetParam();
    restart("OV7610", c.unit);
    const double before = seconds();
    double shownAfter = 0.0;
    int beeps = -1;
    dialogs.onMessage = [&](const MessageRequest&) {
        shownAfter = seconds() - before;
        beeps = dialogs.beeps;
    };
    click(c.button);

    ASSERT_EQ(dialogs.messageTexts(), QStringList{c.message});
    const MessageRequest& box = dialogs.messages[0];
    EXPECT_EQ(std::pair(box.icon, box.buttons), std::pair(c.icon, c.buttons));
    EXPECT_EQ(beeps, c.beepsBeforeBox);
    EXPECT_TRUE(c.shownAfterMax == 0 ||
                (c.shownAfterMin <= shownAfter && shownAfter < c.shownAfterMax))
        << shownAfter;
    // The start-up sequence ran to its end, before or after the box.
    EXPECT_EQ(vx3sim::peekRegister(0x72), 0x80);
    EXPECT_NE(VX3_LV_IsMovieRunning(), 0);
    expectIdle();
    if (c.button == MainId::Start) {
        EXPECT_EQ(box.caption, QStringLiteral("Error"));
        EXPECT_EQ(box.modality, Modality::System);
        // Page 1 holds the white balance last written (the stored 8c and 30) in decimal, for
        // its next refresh.
        EXPECT_EQ(window->m_pPage1->m_strBlue, QStringLiteral("140"));
        EXPECT_EQ(window->m_pPage1->m_strRed, QStringLiteral("48"));
    }
}

// The start-up rows warn after the pass that measured 45 s has paused once more.
INSTANTIATE_TEST_SUITE_P(
    Units, BadUnitTest,
    ::testing::Values(
        BadUnitCase{"WarmLamp", vx3sim::BadUnit::WarmLamp, MainId::GetAutoAdjValues,
                    text::OutOfRange, MessageIcon::Stop, MessageButtons::RetryCancel, 0, 0, 0},
        BadUnitCase{"DarkTarget", vx3sim::BadUnit::DarkTarget, MainId::GetManualAdjValues,
                    text::GreenOut, MessageIcon::Stop, MessageButtons::Ok, 0, 0, 1},
        BadUnitCase{"BrightTarget", vx3sim::BadUnit::BrightTarget, MainId::GetManualAdjValues,
                    text::GreenOut, MessageIcon::Stop, MessageButtons::Ok, 0, 0, 1},
        BadUnitCase{"StuckRegister", vx3sim::BadUnit::StuckRegister, MainId::Start,
                    text::WhiteBalanceWarning, MessageIcon::Warning, MessageButtons::Ok, 46.0, 47.5,
                    0},
        BadUnitCase{"UnsettledBalance", vx3sim::BadUnit::UnsettledBalance, MainId::Start,
                    text::WhiteBalanceWarning, MessageIcon::Warning, MessageButtons::Ok, 46.0, 47.5,
                    0}),
    [](const ::testing::TestParamInfo<BadUnitCase>& unit) { return unit.param.name; });

} // namespace
} // namespace halvex::test
