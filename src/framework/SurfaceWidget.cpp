// A control that shows what is drawn into its surface image.
#include "framework/SurfaceWidget.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace halvex {

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface = QImage(1, 1, QImage::Format_RGB32);
    m_surface.fill(Qt::black);
}

void SurfaceWidget::present() {
    // Controls stacked above this one keep their parts of it: repainting those parts would make
    // each of them paint itself again with every picture.
    QRegion uncovered(rect());
    if (const QWidget* parent = parentWidget()) {
        const QObjectList& siblings = parent->children();
        for (auto it = std::find(siblings.begin(), siblings.end(), this); it != siblings.end();
             ++it) {
            const auto* sibling = qobject_cast<const QWidget*>(*it);
            if (sibling != nullptr && sibling != this && sibling->isVisible() &&
                !sibling->isWindow()) {
                uncovered -= sibling->geometry().translated(-pos());
            }
        }
    }
    repaint(uncovered);
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
