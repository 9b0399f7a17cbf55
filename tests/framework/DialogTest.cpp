// The framework's dialogs: each notification of a control reaches its own handler; property sheet
// captions, pages initialised on their first selection only and outliving their sheet.
#include "TechnicianHands.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"

#include <QTabBar>
#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace halvex {
namespace {

constexpr std::array kControls{
    ControlTemplate{1001, ControlKind::Edit, "", 5, 5, 40, 12, ControlStyle::DigitsOnly, 3}};
constexpr DialogTemplate kFirst{901, "    First    ", 97, 369, "MS Sans Serif", 8, 0, kControls};
constexpr DialogTemplate kSecond{902, "   Second   ", 97, 369, "MS Sans Serif", 8, 0, kControls};

class RoutingDialog final : public Dialog {
public:
    RoutingDialog() : Dialog(kFirst) {
        routeNotification(Notify::KillFocus, 1001, [this] { ++focusLost; });
        routeNotification(Notify::EditChange, 1001, [this] { ++changed; });
        routeNotification(Notify::EditUpdate, 1001, [this] { ++updated; });
    }
    int focusLost = 0, changed = 0, updated = 0;
};

TEST(MessageRoutingTest, DigitsOnlyEditReportsChangesAndFocusLoss) {
    RoutingDialog dialog;
    auto* edit = dialog.controls().as<QLineEdit>(1001);
    QTest::keyClicks(edit, QStringLiteral("12"));
    EXPECT_EQ(std::pair(dialog.updated, dialog.changed), std::pair(2, 2));
    test::leave(edit);
    EXPECT_EQ(dialog.focusLost, 1);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

class CountingPage final : public PropertyPage {
public:
    using PropertyPage::PropertyPage;
    int initCount = 0;

protected:
    bool onInitDialog() override {
        ++initCount;
        return PropertyPage::onInitDialog();
    }
};

TEST(PropertySheetTest, InitialisesEachPageOnItsFirstSelectionOnlyAndPagesOutliveIt) {
    QWidget host;
    auto first = std::make_unique<CountingPage>(kFirst);
    auto second = std::make_unique<CountingPage>(kSecond);
    auto sheet = std::make_unique<PropertySheet>();
    sheet->addPage(first.get());
    sheet->addPage(second.get());
    EXPECT_EQ(first->initCount, 0);

    sheet->create(&host);
    EXPECT_EQ(sheet->tabText(0), QStringLiteral("    First    "));
    EXPECT_EQ(sheet->tabText(1), QStringLiteral("   Second   "));
    EXPECT_EQ(sheet->activePage(), first.get());
    EXPECT_EQ(std::pair(first->initCount, second->initCount), std::pair(1, 0));
    sheet->tabBar()->setCurrentIndex(1); // as a click on the tab does
    EXPECT_EQ(second->initCount, 1);
    sheet->setActivePage(0);
    sheet->setActivePage(1);
    EXPECT_EQ(std::pair(first->initCount, second->initCount), std::pair(1, 1));

    sheet.reset();
    ASSERT_NE(first->controls().as<QLineEdit>(1001), nullptr);
    EXPECT_EQ(first->parent(), nullptr);
}

} // namespace
} // namespace halvex
