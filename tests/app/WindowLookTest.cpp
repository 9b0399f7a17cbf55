// The windows as the technician sees them: fixed frames, captions that fit, controls that do not
// cover one another, titles on group box lines, read-only boxes that
// look read-only, the wait cursor, file dialog filters and the logo.
#include "AppTestEnvironment.h"
#include "app/AboutDialog.h"
#include "app/CameraDataDialog.h"
#include "appdata/ApplicationDataDialog.h"
#include "framework/PropertySheet.h"
#include "framework/QtDialogService.h"
#include "framework/SurfaceWidget.h"
#include "resources/Bitmaps.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <algorithm>

namespace halvex::test {
namespace {

using WindowLookTest = MainWindowTest;

// The controls a dialog shows (the settings sheet aside).
std::vector<const QWidget*> shownControls(const Dialog& dialog) {
    std::vector<const QWidget*> shown;
    for (const QWidget* control :
         dialog.clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden() && qobject_cast<const QTabWidget*>(control) == nullptr) {
            shown.push_back(control);
        }
    }
    return shown;
}

// What the technician reads on a control: its caption, the room the control leaves for it (none
// without a caption), and what of the control can be seen: a label's text, the line of a check box
// or radio button (centred in its rectangle), a group box's title (its frame is checked apart) and
// the rest whole.
struct Look {
    QString caption;
    int room = 0;
    QRect visible;
};
Look look(const QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    const QRect rect = control->geometry();
    const int line = std::min(metrics.height(), rect.height());
    if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->wordWrap()) {
        const int width = std::min(metrics.horizontalAdvance(label->text()), rect.width());
        const int left = (label->alignment() & Qt::AlignHCenter) != 0
                             ? rect.x() + (rect.width() - width) / 2
                             : rect.x();
        return {label->text(), rect.width(), {left, rect.y(), width, line}};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const bool radio = qobject_cast<const QRadioButton*>(control) != nullptr;
        const bool check = qobject_cast<const QCheckBox*>(control) != nullptr;
        QStyleOptionButton option;
        option.initFrom(control);
        option.text = button->text();
        const QStyle::SubElement contents = radio   ? QStyle::SE_RadioButtonContents
                                            : check ? QStyle::SE_CheckBoxContents
                                                    : QStyle::SE_PushButtonContents;
        const QRect centredLine(rect.x(), rect.y() + (rect.height() - line) / 2, rect.width(),
                                line);
        return {option.text.remove(QLatin1Char('&')),
                control->style()->subElementRect(contents, &option, control).width(),
                radio || check ? centredLine : rect};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
        // The title starts 7 pixels in, with a blank pixel either side.
        return {box->title(),
                rect.width() - 10,
                {rect.x() + 6, rect.y(), metrics.horizontalAdvance(box->title()) + 2,
                 metrics.height()}};
    }
    return {{}, 0, rect};
}

// Whole tabs, inside the tab bar (so with no scroll arrows).
void expectTabsWhole(const QTabWidget& sheet) {
    const QTabBar& bar = *sheet.tabBar();
    EXPECT_LE(bar.tabRect(bar.count() - 1).right(), bar.width() - 1);
    // The style pads a tab's text by this much; a narrower tab elides its caption.
    const int padding = bar.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &bar);
    for (int i = 0; i < bar.count(); ++i) {
        EXPECT_LE(bar.fontMetrics().horizontalAdvance(bar.tabText(i)) + padding,
                  bar.tabRect(i).width())
            << bar.tabText(i).toStdString();
    }
}

// Controls overlap only where a group box's frame holds one wholly, by more than the pixel that
// rounding dialog units may give; the main window's Get RGB sits on the live area on purpose.
void expectNoOverlaps(const Dialog& dialog, std::pair<QWidget*, QWidget*> allowed = {}) {
    const auto overlap = [](const QRect& a, const QRect& b) {
        const QRect both = a.intersected(b);
        return both.width() > 1 && both.height() > 1;
    };
    const auto crossesFrame = [&overlap](const QWidget* box, const QWidget* inner) {
        if (qobject_cast<const QGroupBox*>(box) == nullptr) {
            return false;
        }
        const QRect frame = box->geometry().adjusted(0, box->fontMetrics().height() / 2, 0, 0);
        const auto holds = [](const QRect& outer, const QRect& r) {
            return outer.adjusted(-1, -1, 1, 1).contains(r);
        };
        return overlap(frame, inner->geometry()) && !holds(frame, inner->geometry()) &&
               !holds(inner->geometry(), box->geometry());
    };
    const auto describe = [](const QWidget* control) {
        return look(control).caption.toStdString() + " at " + std::to_string(control->x()) + "," +
               std::to_string(control->y());
    };
    const std::vector<const QWidget*> shown = shownControls(dialog);
    for (std::size_t a = 0; a < shown.size(); ++a) {
        for (std::size_t b = a + 1; b < shown.size(); ++b) {
            const QWidget* first = shown[a];
            const QWidget* second = shown[b];
            const bool isAllowed =
                std::minmax(first, second, std::less<>()) ==
                std::minmax<const QWidget*>(allowed.first, allowed.second, std::less<>());
            if (!isAllowed && (overlap(look(first).visible, look(second).visible) ||
                               crossesFrame(first, second) || crossesFrame(second, first))) {
                ADD_FAILURE() << dialog.windowTitle().toStdString() << ": " << describe(first)
                              << " overlaps " << describe(second);
            }
        }
    }
}

// "Arial" 8 and "MS Sans Serif" 8 both show as Liberation Sans of 11 pixels, whatever the dpi.
void expectFit(const Dialog& dialog) {
    EXPECT_EQ(QFontInfo(dialog.font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(dialog.font().pixelSize(), 11);
    for (const QWidget* control : shownControls(dialog)) {
        const Look seen = look(control);
        EXPECT_LE(control->fontMetrics().horizontalAdvance(seen.caption), seen.room)
            << dialog.windowTitle().toStdString() << ": " << seen.caption.toStdString();
    }
}

// The Maintenance Screen shows every control of the main window.
TEST_F(WindowLookTest, CaptionsFitAndNoShownControlOverlapsAnother) {
    window->ShowMaintenanceLayout();
    expectFit(*window);
    expectNoOverlaps(*window, {window->control(MainId::GetRgb), window->control(MainId::LiveArea)});
    window->ShowCameraDataLayout();
    expectNoOverlaps(*window);
    for (int id : {107, 108, 109, 110, 111, 112, 114, 142, 158}) {
        const Dialog dialog(dialogTemplate(id));
        expectFit(dialog);
        expectNoOverlaps(dialog);
    }
    expectTabsWhole(*window->m_pSheet);
    ApplicationDataDialog appData(window.get());
    ASSERT_TRUE(appData.initialize());
    appData.show();
    expectTabsWhole(*appData.sheet());
}

TEST_F(WindowLookTest, GroupBoxTitlesSitOnTheFrameLine) {
    auto* ratio = window->controls().as<QGroupBox>(1233);
    ASSERT_NE(ratio, nullptr);
    const QImage image = ratio->grab().toImage();
    const QRgb background = image.pixel(image.width() / 2, image.height() / 2);
    // The frame's top line, found at the right where no title is drawn.
    int line = 0;
    while (line < image.height() && image.pixel(image.width() - 4, line) == background) {
        ++line;
    }
    const int textHeight = QFontMetrics(ratio->font()).height();
    EXPECT_EQ(line, textHeight / 2);
    // The title's ink reaches above the line and the column labels stay below it.
    QImage blank(image.width() / 2, line, image.format());
    blank.fill(background);
    EXPECT_NE(image.copy(0, 0, image.width() / 2, line), blank);
    for (int id : {1234, 1235, 1236}) {
        EXPECT_GT(window->control(id)->y(), ratio->y() + line) << id;
    }
}

TEST_F(WindowLookTest, ReadOnlyBoxesShowTheWindowBackground) {
    const auto insideColour = [this](int id) {
        const QImage image = window->control(id)->grab().toImage();
        return image.pixel(image.width() - 5, image.height() / 2);
    };
    const QRgb windowColour = window->palette().color(QPalette::Window).rgb();
    for (int id : {1193, 1194, 1195, 1196}) {
        EXPECT_EQ(insideColour(id), windowColour) << id;
    }
    EXPECT_NE(insideColour(1218), windowColour);
}

TEST_F(WindowLookTest, WaitCursorCoversEveryControl) {
    window->SetBusy(true);
    for (int id : {1218, 1193, MainId::Start, MainId::LiveArea, MainId::CrossHairs}) {
        EXPECT_EQ(window->control(id)->cursor().shape(), Qt::WaitCursor) << id;
    }
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    window->SetBusy(true);
    window->SetBusy(false);
    EXPECT_EQ(window->control(1218)->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(window->control(MainId::Start)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST(FileDialogFilters, ShowEachPatternOnce) {
    EXPECT_EQ(qtFilters(QStringLiteral("JPEG(*.jpg)|*.jpg|Bitmap(*.bmp)|*.bmp||")),
              (QStringList{"JPEG(*.jpg)", "Bitmap(*.bmp)"}));
    // Qt separates patterns by blanks.
    EXPECT_EQ(qtFilters(QStringLiteral("Ini Files(*.ini;*.bak)|*.ini;*.bak||")),
              QStringList{"Ini Files(*.ini *.bak)"});
    EXPECT_EQ(qtFilters(QStringLiteral("Pictures|*.png;*.jpg||")),
              QStringList{"Pictures (*.png *.jpg)"});
}

TEST(Pictures, TheLogoShowsTheWholeName) {
    const QImage logo = resourceBitmap("logo").toImage();
    ASSERT_EQ(logo.size(), QSize(114, 66));
    // The name is white on navy; its box ends at column 112, which it must not reach.
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 109; x < logo.width(); ++x) {
            EXPECT_LT(qGray(logo.pixel(x, y)), 160) << x << "," << y;
        }
    }
}

} // namespace
} // namespace halvex::test
