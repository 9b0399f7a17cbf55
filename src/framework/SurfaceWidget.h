// A control that shows what is drawn into its surface image, like a window's device context.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>

namespace halvex {

class SurfaceWidget final : public QWidget {
public:
    // Draws the part `area` of a picture of the control's size into `target`, whose pixel (0, 0)
    // is the control's top left.
    using Drawing = std::function<void(QImage& target, const QRect& area)>;

    explicit SurfaceWidget(QWidget* parent = nullptr);

    // The pixels the control shows; draw into it, then present().
    QImage& surface();
    const QImage& surface() const;
    // Puts the surface on the screen at once (the caller may be in a blocking sequence).
    void present();
    // Puts a picture on the screen at once, drawn where the toolkit allows straight into the
    // window's own pixels, so that it passes through memory once; surface() still gives it.
    void present(const Drawing& drawing);
    void fill(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where the window's pixels hold the last picture instead of the surface.
    struct OnScreen {
        const uchar* pixels = nullptr; // the window's image, to tell when it was replaced
        QSize windowSize;
        QPoint origin; // the control's top left in the window's image
        QRegion area;
    };

    QRegion uncovered() const;
    QImage* windowImage() const;
    void takeBackFromScreen() const;

    mutable QImage m_surface;
    mutable std::optional<OnScreen> m_onScreen;
    const Drawing* m_drawing = nullptr; // the picture present() is putting on the screen
    QRegion m_drawingArea;
};

} // namespace halvex
