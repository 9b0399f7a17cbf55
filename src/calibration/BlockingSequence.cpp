// Input and timer hold-off of the blocking calibration sequences, and their pauses.
#include "calibration/BlockingSequence.h"

#include "framework/TimeSource.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace halvex {
namespace {

// Longest stretch of a pause without answering the window system.
constexpr int kPauseSliceMs = 50;

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

int messageLoops = 0;

// Swallows input to the blocked window and its controls, its close requests and, but while a
// message box runs its loop, its timer ticks.
// Other top-level windows (the message boxes a sequence shows) are left alone.
class HoldOff final : public QObject {
public:
    explicit HoldOff(QWidget& window) : m_window(window) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (target == &m_window &&
            ((type == QEvent::Timer && messageLoops == 0) || type == QEvent::Close)) {
            event->ignore();
            return true;
        }
        if (isInput(type) && target->isWidgetType() &&
            static_cast<QWidget*>(target)->window() == &m_window) {
            return true;
        }
        return false;
    }

private:
    QWidget& m_window;
};

int depth = 0;
std::unique_ptr<HoldOff> holdOff;

// Paint, expose and other window-system requests of the moment, without the held-off input.
void answerWindowSystem() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers);
}

} // namespace

BlockingSequence::BlockingSequence(QWidget& window) {
    if (depth++ == 0 && QCoreApplication::instance() != nullptr) {
        holdOff = std::make_unique<HoldOff>(window);
        QCoreApplication::instance()->installEventFilter(holdOff.get());
    }
}

BlockingSequence::~BlockingSequence() {
    if (--depth == 0 && holdOff) {
        QCoreApplication::instance()->removeEventFilter(holdOff.get());
        holdOff.reset();
    }
}

MessageResult BlockingSequence::ShowMessage(const MessageRequest& request, QWidget* owner) {
    struct Serving {
        Serving() { ++messageLoops; }
        ~Serving() { --messageLoops; }
        Serving(const Serving&) = delete;
        Serving& operator=(const Serving&) = delete;
    } serving;
    return dialogService().messageBox(request, owner);
}

void BlockingSequence::Pause(int milliseconds) {
    if (depth == 0 || !holdOff) {
        timeSource().sleep(milliseconds);
        return;
    }
    for (int left = milliseconds; left > 0; left -= kPauseSliceMs) {
        answerWindowSystem();
        timeSource().sleep(std::min(left, kPauseSliceMs));
    }
    answerWindowSystem();
}

} // namespace halvex
