// A control that shows what is drawn into its surface image, like a window's device context.
#pragma once

#include <QImage>
#include <QWidget>

namespace halvex {

class SurfaceWidget final : public QWidget {
public:
    explicit SurfaceWidget(QWidget* parent = nullptr);

    // The pixels the control shows; draw into it, then present().
    QImage& surface() { return m_surface; }
    const QImage& surface() const { return m_surface; }
    // Puts the surface on the screen at once (the caller may be in a blocking sequence).
    void present();
    void fill(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_surface;
};

} // namespace halvex
