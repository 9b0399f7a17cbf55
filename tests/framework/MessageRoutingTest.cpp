// Message routing: several notifications of one control, whatever helper objects the control
// already holds, each reach their own handler.
#include "framework/Dialog.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <gtest/gtest.h>

namespace halvex {
namespace {

constexpr std::array kControls{
    ControlTemplate{1001, ControlKind::Edit, "", 5, 5, 40, 12, ControlStyle::DigitsOnly, 3},
};
constexpr DialogTemplate kTemplate{903, "Routing", 100, 50, "Arial", 8, 0, kControls};

class RoutingDialog final : public Dialog {
public:
    RoutingDialog() : Dialog(kTemplate) {
        routeNotification(Notify::KillFocus, 1001, [this] { ++focusLost; });
        routeNotification(Notify::EditChange, 1001, [this] { ++changed; });
        routeNotification(Notify::EditUpdate, 1001, [this] { ++updated; });
    }
    int focusLost = 0;
    int changed = 0;
    int updated = 0;
};

TEST(MessageRoutingTest, DigitsOnlyEditReportsChangesAndFocusLoss) {
    RoutingDialog dialog;
    auto* edit = dialog.controls().as<QLineEdit>(1001);
    QTest::keyClicks(edit, QStringLiteral("12"));
    EXPECT_EQ(dialog.updated, 2);
    EXPECT_EQ(dialog.changed, 2);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(dialog.focusLost, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

} // namespace
} // namespace halvex
