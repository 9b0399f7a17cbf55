// The framework's dialogs: dialog units, the float exchange rules, radio groups at the keyboard,
// placement before the owner shows, and property sheet pages initialised on their first selection
// only and outliving their sheet. The routing of control notifications is proven by every settings
// page's tests.
#include "framework/Dialog.h"
#include "framework/DataExchange.h"
#include "framework/DialogUnits.h"
#include "framework/PropertyPage.h"
#include "framework/PropertySheet.h"
#include "framework/QtDialogService.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace halvex {
namespace {

TEST(DialogUnits, ConvertWithTheEightPointBaseUnits) {
    EXPECT_EQ(duRectToPixels(77, 301, 117, 34), QRect(116, 489, 176, 55));
    EXPECT_EQ(duToPixelsX(531), 797); // 796.5 rounds up
    EXPECT_EQ(duToPixelsY(359), 583);
    EXPECT_EQ(duToPixelsY(1), 2); // 1.625 rounds up
}

TEST(FloatExchange, ParsesLikeTheDialogFramework) {
    for (const char* text : {" 0.8 ", ".5", "0", "2e0", "3.40282e+38"}) {
        float value = -7.0f;
        EXPECT_TRUE(parseFloat(QString::fromLatin1(text), value)) << text;
    }
    // Decimal only (the C library's hexadecimal floats are refused), and nothing beyond a float.
    for (const char* text : {"", "abc", "1.2x", "-0", "nan", "inf", "1 2", "-1e39", "1e400", "0x1A",
                             "0x1p3", " -0X.8"}) {
        float value = -7.0f;
        EXPECT_FALSE(parseFloat(QString::fromLatin1(text), value)) << text;
        EXPECT_EQ(value, -7.0f) << text; // a refused text leaves the member as it was
    }
    EXPECT_EQ(formatFloat(1.2f), QStringLiteral("1.2"));
    EXPECT_EQ(formatFloat(2.0), QStringLiteral("2"));
    // Whatever float the program holds, the text it shows is one it accepts again.
    for (float held :
         {std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min()}) {
        float back = 0.0f;
        EXPECT_TRUE(parseFloat(formatFloat(static_cast<double>(held)), back)) << held;
    }
}

// Tab reaches each radio group once, at its checked button (at its first when none is); the
// arrow keys go round the group and check the button they reach.
TEST(RadioGroups, AreOneTabStopWithArrowKeysInside) {
    Dialog page(dialogTemplate(107)); // White Balance Auto/Manual, Gamma1 95% to 80%
    page.show();
    page.controls().setChecked(1088, true);
    const auto key = [&page](Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(page.focusWidget(), pressed, modifiers);
        return page.focusWidget();
    };
    page.control(1002)->setFocus();
    EXPECT_EQ(key(Qt::Key_Tab), page.control(1085)); // Manual is skipped
    page.control(1023)->setFocus();
    EXPECT_EQ(key(Qt::Key_Tab, Qt::ShiftModifier), page.control(1088));
    const std::array<std::pair<Qt::Key, int>, 4> moves{
        {{Qt::Key_Down, 1089}, {Qt::Key_Right, 1086}, {Qt::Key_Up, 1089}, {Qt::Key_Left, 1088}}};
    for (const auto& [move, reached] : moves) {
        EXPECT_EQ(key(move), page.control(reached)) << reached;
        for (int id = 1086; id <= 1089; ++id) {
            EXPECT_EQ(page.controls().isChecked(id), id == reached) << reached << " " << id;
        }
    }
}

// A dialog whose owner is not shown yet (the start-up's load dialog) opens centred on the screen.
TEST(DialogPlacement, CentresOnTheScreenBeforeTheOwnerIsShown) {
    QWidget owner;
    QDialog dialog(&owner);
    dialog.resize(300, 200);
    placeDialog(dialog, &owner);
    EXPECT_EQ(dialog.geometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
}

constexpr std::array kControls{ControlTemplate{1001, ControlKind::Edit, "", 5, 5, 40, 12}};
constexpr DialogTemplate kFirst{901, "First", 97, 369, "MS Sans Serif", 8, 0, kControls};
constexpr DialogTemplate kSecond{902, "Second", 97, 369, "MS Sans Serif", 8, 0, kControls};

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
    EXPECT_EQ(sheet->activePage(), first.get());
    EXPECT_EQ(std::pair(first->initCount, second->initCount), std::pair(1, 0));
    sheet->tabBar()->setCurrentIndex(1); // as a click on the tab does
    sheet->setActivePage(0);
    sheet->setActivePage(1);
    EXPECT_EQ(std::pair(first->initCount, second->initCount), std::pair(1, 1));

    sheet.reset();
    ASSERT_NE(first->controls().as<QLineEdit>(1001), nullptr);
    EXPECT_EQ(first->parent(), nullptr);
}

} // namespace
} // namespace halvex
