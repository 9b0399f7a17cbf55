// Records what a widget showed each time it was really painted.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace halvex::test {

class PaintRecorder final : public QObject {
public:
    PaintRecorder(QWidget* widget, std::function<void()> onPaint)
        : QObject(widget), m_onPaint(std::move(onPaint)) {
        widget->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            m_onPaint();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onPaint;
};

} // namespace halvex::test
