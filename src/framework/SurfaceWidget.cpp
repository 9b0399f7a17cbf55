// A control that shows what is drawn into its surface image.
#include "framework/SurfaceWidget.h"

#include <QBackingStore>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cstring>

namespace halvex {
namespace {

bool drawableFormat(const QImage& image) {
    return image.format() == QImage::Format_RGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied ||
           image.format() == QImage::Format_ARGB32;
}

} // namespace

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface = QImage(1, 1, QImage::Format_RGB32);
    m_surface.fill(Qt::black);
}

QImage& SurfaceWidget::surface() {
    takeBackFromScreen();
    return m_surface;
}

const QImage& SurfaceWidget::surface() const {
    takeBackFromScreen();
    return m_surface;
}

QRegion SurfaceWidget::uncovered() const {
    // Controls stacked above this one keep their parts of it: repainting those parts would make
    // each of them paint itself again with every picture.
    QRegion region(rect());
    if (const QWidget* parent = parentWidget()) {
        const QObjectList& siblings = parent->children();
        for (auto it = std::find(siblings.begin(), siblings.end(), this); it != siblings.end();
             ++it) {
            if (!(*it)->isWidgetType()) {
                continue;
            }
            const auto* sibling = static_cast<const QWidget*>(*it);
            if (sibling != this && sibling->geometry().intersects(geometry()) &&
                sibling->isVisible() && !sibling->isWindow()) {
                region -= sibling->geometry().translated(-pos());
            }
        }
    }
    return region;
}

void SurfaceWidget::present() {
    takeBackFromScreen();
    repaint(uncovered());
}

void SurfaceWidget::present(const Drawing& drawing) {
    m_onScreen.reset(); // the new picture replaces all of the last one
    const QRegion open = uncovered();
    const QImage* screen = windowImage();
    if (screen == nullptr || m_surface.size() != size() || !drawableFormat(m_surface) ||
        !drawableFormat(*screen)) {
        drawing(m_surface, m_surface.rect());
        repaint(open);
        return;
    }
    // What other controls cover is drawn into the surface only; the rest goes to the screen.
    for (const QRect& covered : QRegion(rect()) - open) {
        drawing(m_surface, covered);
    }
    m_drawing = &drawing;
    m_drawingArea = open;
    repaint(open);
    if (m_drawing != nullptr) {
        // The toolkit painted elsewhere or not at all: the surface takes the picture.
        for (const QRect& part : open) {
            drawing(m_surface, part);
        }
        m_drawing = nullptr;
        repaint(open);
    }
}

void SurfaceWidget::fill(const QColor& colour) {
    m_onScreen.reset();
    m_surface.fill(colour);
}

QImage* SurfaceWidget::windowImage() const {
    const QWidget* top = window();
    QBackingStore* store = top != nullptr ? top->backingStore() : nullptr;
    QPaintDevice* device = store != nullptr ? store->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image || !isVisible()) {
        return nullptr;
    }
    return static_cast<QImage*>(device);
}

void SurfaceWidget::takeBackFromScreen() const {
    if (!m_onScreen) {
        return;
    }
    const OnScreen onScreen = *m_onScreen;
    m_onScreen.reset();
    const QImage* screen = windowImage();
    if (screen != nullptr && screen->constBits() == onScreen.pixels &&
        screen->size() == onScreen.windowSize &&
        screen->rect().contains(onScreen.area.boundingRect().translated(onScreen.origin))) {
        for (const QRect& part : onScreen.area) {
            const QRect from = part.translated(onScreen.origin);
            const auto bytes = static_cast<std::size_t>(part.width()) * 4;
            for (int y = 0; y < part.height(); ++y) {
                std::memcpy(m_surface.scanLine(part.top() + y) + part.left() * 4,
                            screen->constScanLine(from.top() + y) + from.left() * 4, bytes);
            }
        }
        return;
    }
    // The window's pixels went with the window (resized or hidden): the part shows black.
    QPainter painter(&m_surface);
    for (const QRect& part : onScreen.area) {
        painter.fillRect(part, Qt::black);
    }
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_drawing != nullptr && event->region() == m_drawingArea) {
        QPaintDevice* device = painter.paintEngine()->paintDevice();
        const QTransform transform = painter.deviceTransform();
        if (device != nullptr && device->devType() == QInternal::Image &&
            transform.type() <= QTransform::TxTranslate) {
            auto* screen = static_cast<QImage*>(device);
            const QPoint origin(qRound(transform.dx()), qRound(transform.dy()));
            if (screen->devicePixelRatio() == 1.0 && drawableFormat(*screen) &&
                screen->rect().contains(QRect(origin, size()))) {
                const qsizetype line = screen->bytesPerLine();
                QImage view(screen->bits() + origin.y() * line + origin.x() * 4, width(), height(),
                            line, screen->format());
                for (const QRect& part : m_drawingArea) {
                    (*m_drawing)(view, part);
                }
                m_onScreen = OnScreen{screen->constBits(), screen->size(), origin, m_drawingArea};
                m_drawing = nullptr;
                return;
            }
        }
    }
    painter.drawImage(event->rect(), surface(), event->rect());
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    takeBackFromScreen();
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
