// The surface control shows each picture at once, and leaves the controls stacked over it alone.
#include "framework/SurfaceWidget.h"

#include <QApplication>
#include <QPaintEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <utility>

namespace halvex {
namespace {

class PaintCounter final : public QWidget {
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(SurfaceWidget, APictureRepaintsNeitherTheControlsAboveItNorThoseBelow) {
    QWidget window;
    window.resize(700, 500);
    PaintCounter below(&window);
    below.setGeometry(0, 0, 700, 500);
    SurfaceWidget surface(&window);
    surface.setGeometry(0, 0, 640, 480);
    PaintCounter above(&window); // like the settings sheet over the live area's right edge
    above.setGeometry(635, 0, 60, 480);
    window.show();
    QApplication::processEvents();
    below.paints = above.paints = 0;
    for (int frame = 0; frame < 3; ++frame) {
        surface.surface().fill(Qt::green);
        surface.present();
    }
    EXPECT_EQ(std::pair(above.paints, below.paints), std::pair(0, 0));
    EXPECT_EQ(surface.grab().toImage().pixel(100, 100), qRgb(0, 255, 0));
}

} // namespace
} // namespace halvex
