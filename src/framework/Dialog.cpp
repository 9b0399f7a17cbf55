// A window of the tool built from its dialog template.
#include "framework/Dialog.h"

#include "framework/DialogStyle.h"
#include "framework/DialogUnits.h"
#include "framework/MenuBar.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <utility>

namespace halvex {
namespace {

// Reports the loss of focus of one control.
class FocusLossFilter final : public QObject {
public:
    FocusLossFilter(QObject* parent, std::function<void()> handler)
        : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            dispatchHandler(m_handler);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

// Calls the handlers of a slider once for each of the user's gestures, never for a move the program
// makes. A key or a wheel step is done at once; a click on the groove ends when the button is let
// go (a held button repeats the step), a drag when the thumb is let go. A gesture counts even when
// the thumb is already at its end and does not move.
class SliderWatcher final : public QObject {
public:
    explicit SliderWatcher(QSlider* slider) : QObject(slider), m_slider(slider) {
        slider->installEventFilter(this);
        // The program moves a slider with setValue, which triggers no action.
        connect(slider, &QAbstractSlider::actionTriggered, this, [this](int action) {
            if (action == QAbstractSlider::SliderNoAction || m_slider->isSliderDown()) {
                return;
            }
            // The value follows the position only after this signal; the handlers read it now.
            m_slider->setValue(m_slider->sliderPosition());
            if (m_buttonDown) {
                m_grooveStepped = true;
            } else {
                gestureDone();
            }
        });
        connect(slider, &QAbstractSlider::sliderReleased, this, [this] {
            m_grooveStepped = false;
            gestureDone();
        });
    }

    std::vector<std::function<void()>> scroll;
    std::vector<std::function<void()>> release;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_slider && (event->type() == QEvent::MouseButtonPress ||
                                    event->type() == QEvent::MouseButtonDblClick)) {
            m_buttonDown = true;
        } else if (watched == m_slider && event->type() == QEvent::MouseButtonRelease) {
            m_buttonDown = false;
            // A thumb being dragged is let go by this release: sliderReleased follows.
            if (std::exchange(m_grooveStepped, false) && !m_slider->isSliderDown()) {
                gestureDone();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void gestureDone() {
        for (const auto* handlers : {&scroll, &release}) {
            for (const auto& handler : *handlers) {
                dispatchHandler(handler);
            }
        }
    }

    QSlider* m_slider;
    bool m_buttonDown = false;
    bool m_grooveStepped = false;
};

// Calls the "about to change" handlers of an edit box before its "changed" handlers.
class EditWatcher final : public QObject {
public:
    explicit EditWatcher(QLineEdit* edit) : QObject(edit) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            for (const auto& handler : update) {
                dispatchHandler(handler);
            }
            for (const auto& handler : change) {
                dispatchHandler(handler);
            }
        });
    }

    std::vector<std::function<void()>> update;
    std::vector<std::function<void()>> change;
};

// The watchers have no meta-object of their own, so findChild would take any child (an edit
// box's validator, a focus filter) for one: they are told apart by their C++ type.
template <typename Watcher, typename W> Watcher* watcherOf(W* widget) {
    for (QObject* child : widget->children()) {
        if (auto* existing = dynamic_cast<Watcher*>(child)) {
            return existing;
        }
    }
    return new Watcher(widget);
}

} // namespace

Dialog::Dialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), m_template(dialogTemplate) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(m_template.caption));
    setFont(dialogFont(m_template.fontName, m_template.fontPointSize));
    resize(duToPixelsX(m_template.width), duToPixelsY(m_template.height));
}

Dialog::~Dialog() = default;

ControlSet& Dialog::builtControls() const {
    if (!m_controlsBuilt) {
        // The controls belong to the window as its users see it, built or not yet: building them
        // late changes nothing a caller holding a const window could observe.
        const_cast<Dialog*>(this)->build();
    }
    return const_cast<ControlSet&>(m_controls);
}

QWidget* Dialog::clientArea() const {
    builtControls();
    return m_client;
}

void Dialog::build() {
    m_controlsBuilt = true;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_client = new QWidget(this);
    layout->addWidget(m_client);
    m_controls.build(m_template, m_client);

    // The standard buttons end the window as Enter and Escape would.
    if (auto* ok = m_controls.as<QAbstractButton>(IDOK)) {
        connect(ok, &QAbstractButton::clicked, this, [this] { accept(); });
    }
    if (auto* cancel = m_controls.as<QAbstractButton>(IDCANCEL)) {
        connect(cancel, &QAbstractButton::clicked, this, [this] { reject(); });
    }
    for (Route& route : std::exchange(m_routesBeforeBuild, {})) {
        connectRoute(std::move(route));
    }
}

MenuBar* Dialog::menu() {
    // Built on first use rather than with the window: a menu bar asks the style for the icon of
    // its overflow button, which loads every image-format plug-in, and a start-up that shows other
    // windows first (or ends the window) should not wait for that.
    if (m_menu == nullptr && m_template.menuId != 0) {
        builtControls(); // the menu bar goes into the layout the controls' area sits in
        m_menu = new MenuBar(
            menuTemplate(m_template.menuId),
            [this](int id) {
                const auto it = m_commands.find(id);
                if (it != m_commands.end()) {
                    dispatchHandler(it->second);
                }
            },
            this);
        // The client area keeps its size; the window grows by the menu bar.
        const int menuHeight = m_menu->sizeHint().height();
        static_cast<QVBoxLayout*>(layout())->setMenuBar(m_menu);
        resize(width(), height() + menuHeight);
    }
    return m_menu;
}

bool Dialog::initialize() {
    if (!m_initialized) {
        m_initialized = true;
        dispatchHandler([this] { onInitDialog(); });
    }
    if (!m_ended) {
        builtControls();
        menu();
    }
    return !m_ended;
}

int Dialog::runModal() {
    if (!initialize()) {
        return m_result;
    }
    // A dialog frame keeps the size its template (or its layout) gave it.
    setFixedSize(size());
    m_inModalLoop = true;
    const int result = exec();
    m_inModalLoop = false;
    return m_ended ? m_result : result;
}

void Dialog::endDialog(int result) {
    m_ended = true;
    m_result = result;
    for (const auto& [id, qtId] : m_timers) {
        QObject::killTimer(qtId);
    }
    m_timers.clear();
    if (m_inModalLoop) {
        done(result);
    } else {
        hide();
    }
}

bool Dialog::updateData(bool saveAndValidate) {
    const QScopedValueRollback exchanging(m_exchanging, true);
    DataExchange dx(builtControls(), saveAndValidate, this);
    try {
        doDataExchange(dx);
    } catch (const DataExchangeFailure&) {
        return false;
    }
    return true;
}

void Dialog::requestClose() {
    if (!m_ended) {
        dispatchHandler([this] { onClose(); });
    }
}

void Dialog::setWindowSizePixels(int width, int height) {
    menu(); // the size given includes it
    setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width / 2, height / 2));
    }
}

void Dialog::setWaitCursor(bool busy) {
    if (busy == m_waitCursor) {
        return;
    }
    m_waitCursor = busy;
    if (busy) {
        setCursor(Qt::WaitCursor);
        // Edit boxes and other controls with a cursor of their own would show it over the wait
        // cursor; the window decides for all of them while it is busy.
        for (QWidget* child : findChildren<QWidget*>()) {
            if (child->isWindow()) {
                continue;
            }
            m_cursorsBeforeWait.emplace_back(child, child->testAttribute(Qt::WA_SetCursor)
                                                        ? std::optional(child->cursor())
                                                        : std::nullopt);
            child->setCursor(Qt::WaitCursor);
        }
        return;
    }
    unsetCursor();
    for (const auto& [child, cursor] : m_cursorsBeforeWait) {
        if (child.isNull()) {
            continue;
        }
        if (cursor) {
            child->setCursor(*cursor);
        } else {
            child->unsetCursor();
        }
    }
    m_cursorsBeforeWait.clear();
}

void Dialog::setTimer(int timerId, int milliseconds) {
    stopTimer(timerId);
    m_timers[timerId] = QObject::startTimer(milliseconds);
}

void Dialog::stopTimer(int timerId) {
    const auto it = m_timers.find(timerId);
    if (it != m_timers.end()) {
        QObject::killTimer(it->second);
        m_timers.erase(it);
    }
}

bool Dialog::isTimerRunning(int timerId) const {
    return m_timers.count(timerId) != 0;
}

void Dialog::fireTimer(int timerId) {
    dispatchHandler([this, timerId] { onTimer(timerId); });
}

bool Dialog::onInitDialog() {
    updateData(false);
    return true;
}

void Dialog::doDataExchange(DataExchange&) {}

void Dialog::onOK() {
    if (updateData(true)) {
        endDialog(IDOK);
    }
}

void Dialog::onCancel() {
    endDialog(IDCANCEL);
}

void Dialog::onClose() {
    onCancel();
}

void Dialog::onTimer(int) {}

void Dialog::routeNotification(Notify notify, int id, std::function<void()> handler) {
    if (notify == Notify::Command) {
        m_commands[id] = std::move(handler);
        return;
    }
    handler = [this, handler = std::move(handler)] {
        if (!m_exchanging) {
            handler();
        }
    };
    if (m_controlsBuilt) {
        connectRoute(Route{notify, id, std::move(handler)});
    } else {
        m_routesBeforeBuild.push_back(Route{notify, id, std::move(handler)});
    }
}

void Dialog::connectRoute(Route route) {
    QWidget* widget = m_controls.control(route.id);
    if (widget == nullptr) {
        return;
    }
    auto& handler = route.handler;
    switch (route.notify) {
    case Notify::Clicked:
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this,
                    [handler = std::move(handler)] { dispatchHandler(handler); });
        }
        break;
    case Notify::EditUpdate:
    case Notify::EditChange:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            auto* watcher = watcherOf<EditWatcher>(edit);
            (route.notify == Notify::EditUpdate ? watcher->update : watcher->change)
                .push_back(std::move(handler));
        }
        break;
    case Notify::KillFocus:
        widget->installEventFilter(new FocusLossFilter(widget, std::move(handler)));
        break;
    case Notify::SliderReleased:
    case Notify::Scroll:
        if (auto* slider = qobject_cast<QSlider*>(widget)) {
            auto* watcher = watcherOf<SliderWatcher>(slider);
            (route.notify == Notify::Scroll ? watcher->scroll : watcher->release)
                .push_back(std::move(handler));
        }
        break;
    case Notify::SelChange:
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::activated, this,
                    [handler = std::move(handler)] { dispatchHandler(handler); });
        }
        break;
    case Notify::Command:
        break;
    }
}

void Dialog::setVisible(bool visible) {
    if (visible) {
        builtControls();
    }
    QDialog::setVisible(visible);
}

void Dialog::accept() {
    dispatchHandler([this] { onOK(); });
}

void Dialog::reject() {
    dispatchHandler([this] { onCancel(); });
}

void Dialog::closeEvent(QCloseEvent* event) {
    if (!m_ended) {
        dispatchHandler([this] { onClose(); });
    }
    if (m_ended) {
        event->accept();
    } else {
        event->ignore();
    }
}

void Dialog::timerEvent(QTimerEvent* event) {
    for (const auto& [id, qtId] : m_timers) {
        if (qtId == event->timerId()) {
            fireTimer(id);
            return;
        }
    }
    QDialog::timerEvent(event);
}

} // namespace halvex
