// A control that shows what is drawn into its surface image.
#include "framework/SurfaceWidget.h"

#include <QPainter>
#include <QResizeEvent>

namespace halvex {

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface = QImage(1, 1, QImage::Format_RGB32);
    m_surface.fill(Qt::black);
}

void SurfaceWidget::present() {
    repaint();
}

void SurfaceWidget::fill(const QColor& colour) {
    m_surface.fill(colour);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface, event->rect());
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    if (event->size() != m_surface.size() && !event->size().isEmpty()) {
        QImage resized(event->size(), m_surface.format());
        resized.fill(Qt::black);
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_surface);
        m_surface = std::move(resized);
    }
    QWidget::resizeEvent(event);
}

} // namespace halvex
