// The property sheet: tab captions, a page's window initialised on its first selection only, and
// pages that outlive their sheet.
#include "framework/PropertySheet.h"
#include "framework/PropertyPage.h"

#include <QLineEdit>
#include <QTabBar>
#include <array>
#include <gtest/gtest.h>
#include <memory>

namespace halvex {
namespace {

constexpr std::array kControls{ControlTemplate{1001, ControlKind::Edit, "", 5, 5, 40, 12}};
constexpr DialogTemplate kFirst{901, "    First    ", 97, 369, "MS Sans Serif", 8, 0, kControls};
constexpr DialogTemplate kSecond{902, "   Second   ", 97, 369, "MS Sans Serif", 8, 0, kControls};

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

TEST(PropertySheetTest, InitialisesEachPageOnItsFirstSelectionOnly) {
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
    EXPECT_EQ(first->initCount, 1);
    EXPECT_EQ(second->initCount, 0);

    sheet->tabBar()->setCurrentIndex(1); // as a click on the tab does
    EXPECT_EQ(second->initCount, 1);
    sheet->setActivePage(0);
    sheet->setActivePage(1);
    EXPECT_EQ(first->initCount, 1);
    EXPECT_EQ(second->initCount, 1);
}

TEST(PropertySheetTest, PagesOutliveTheirSheet) {
    QWidget host;
    auto page = std::make_unique<CountingPage>(kFirst);
    auto sheet = std::make_unique<PropertySheet>();
    sheet->addPage(page.get());
    sheet->create(&host);
    sheet.reset();
    ASSERT_NE(page->controls().as<QLineEdit>(1001), nullptr);
    EXPECT_EQ(page->parent(), nullptr);
}

} // namespace
} // namespace halvex
