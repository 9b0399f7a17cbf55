// The windows as the technician sees them: fixed frames, titles on group box lines, labels that
// fit, read-only boxes that look read-only, the wait cursor, file dialog filters and the logo.
#include "AppTestEnvironment.h"
#include "app/AboutDialog.h"
#include "app/CameraDataDialog.h"
#include "framework/QtDialogService.h"
#include "resources/Bitmaps.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>

namespace halvex::test {
namespace {

class WindowLookTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->ShowMaintenanceLayout();
    }
};

TEST_F(WindowLookTest, MainWindowKeepsItsSize) {
    window->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(800, 600));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

// Each text fits the room its control leaves for it, so no label is cut off.
TEST_F(WindowLookTest, EveryLabelFitsItsControl) {
    AboutDialog about(window.get());
    about.initialize();
    for (const Dialog* dialog :
         {static_cast<const Dialog*>(window.get()), static_cast<const Dialog*>(&about)}) {
        for (const QWidget* control : dialog->clientArea()->findChildren<QWidget*>()) {
            QString text;
            int room = control->width();
            const bool radio = qobject_cast<const QRadioButton*>(control) != nullptr;
            if (const auto* button = qobject_cast<const QAbstractButton*>(control);
                radio || qobject_cast<const QCheckBox*>(control) != nullptr) {
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                room = control->style()
                           ->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                  : QStyle::SE_CheckBoxContents,
                                            &option, control)
                           .width();
                text = button->text().remove(QLatin1Char('&'));
            } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
                text = label->text();
            } else {
                continue;
            }
            EXPECT_LE(control->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
        }
    }
}

TEST_F(WindowLookTest, GroupBoxTitlesSitOnTheFrameLine) {
    auto* ratio = window->controls().as<QGroupBox>(1233);
    ASSERT_NE(ratio, nullptr);
    const QImage image = ratio->grab().toImage();
    const QRgb background = image.pixel(image.width() / 2, image.height() / 2);
    // The frame's top line, found at the right where no title is drawn.
    int line = -1;
    for (int y = 0; y < image.height() && line < 0; ++y) {
        if (image.pixel(image.width() - 4, y) != background) {
            line = y;
        }
    }
    const int textHeight = QFontMetrics(ratio->font()).height();
    EXPECT_EQ(line, textHeight / 2);
    // The title's ink reaches above the line and the column labels stay below it.
    bool inkAboveLine = false;
    for (int y = 0; y < line; ++y) {
        for (int x = 0; x < image.width() / 2; ++x) {
            inkAboveLine = inkAboveLine || image.pixel(x, y) != background;
        }
    }
    EXPECT_TRUE(inkAboveLine);
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
