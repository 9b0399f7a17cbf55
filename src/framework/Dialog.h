// A window of the tool built from its dialog template: controls by id, message map, data exchange,
// modal run, timers and the wait cursor.
#pragma once

#include "framework/ControlSet.h"
#include "framework/DataExchange.h"
#include "framework/HandlerAbort.h"
#include "resources/DialogTemplate.h"

#include <QCursor>
#include <QDialog>
#include <QPointer>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace halvex {

class MenuBar;

// The notifications a message map can route to a handler.
enum class Notify {
    Clicked,    // button, radio button, check box
    EditUpdate, // edit text about to be shown changed
    EditChange, // edit text changed
    KillFocus,  // the control lost the focus
    // A gesture of the user on a slider ended: a key, a wheel step, a click on the groove or a
    // drag let go, whether or not the thumb moved. Scroll and then SliderReleased are reported
    // once for each gesture; moves the program makes report neither.
    SliderReleased,
    Scroll,
    SelChange, // the user chose a list entry
    Command,   // a menu command
};

template <typename D> struct MessageEntry {
    Notify notify;
    int id;
    void (D::*handler)();
};

class Dialog : public QDialog {
public:
    explicit Dialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~Dialog() override;

    // Runs onInitDialog and makes sure the controls exist. false when the window ended during it.
    bool initialize();
    // The modal run: initialise, then (unless already ended) the window's own message loop.
    int runModal();
    // Ends the window with a result; before the window is shown it is simply never shown.
    void endDialog(int result);
    bool hasEnded() const { return m_ended; }
    int endResult() const { return m_result; }

    // Exchanges all bound members with the controls. false when a value failed its check.
    bool updateData(bool saveAndValidate = true);

    // The controls are built on first use (or when the window is shown), so that a window whose
    // start-up shows other windows first does not keep them waiting for its own controls.
    ControlSet& controls() { return builtControls(); }
    const ControlSet& controls() const { return builtControls(); }
    QWidget* control(int id) const { return builtControls().control(id); }
    // The window's menu bar (built on first use), or null when its template has none.
    MenuBar* menu();
    // The area that holds the controls; client coordinates are relative to it.
    QWidget* clientArea() const;

    // Builds the controls first when the window is shown before they were used.
    void setVisible(bool visible) override;
    // Sends the window a close request, as the close box does.
    void requestClose();
    // Sizes the whole window (menu included) in pixels and centres it on the screen. The size
    // stays fixed: a dialog frame cannot be resized.
    void setWindowSizePixels(int width, int height);

    // The busy state of a window only changes its cursor (input stays open): the wait cursor shows
    // over the whole window, its controls included.
    void setWaitCursor(bool busy);

    void setTimer(int timerId, int milliseconds);
    void stopTimer(int timerId);
    bool isTimerRunning(int timerId) const;
    // Runs the handler of the timer as one tick would (tests drive ticks this way).
    void fireTimer(int timerId);

protected:
    virtual bool onInitDialog();
    virtual void doDataExchange(DataExchange& dx);
    virtual void onOK();
    virtual void onCancel();
    // The close request (close box); by default the same as Cancel.
    virtual void onClose();
    virtual void onTimer(int timerId);

    // Routes the notifications of a message map to the handlers of self.
    template <typename D> void bindMessages(D* self, std::span<const MessageEntry<D>> map) {
        for (const MessageEntry<D>& entry : map) {
            auto handler = entry.handler;
            routeNotification(entry.notify, entry.id, [self, handler] { (self->*handler)(); });
        }
    }
    void routeNotification(Notify notify, int id, std::function<void()> handler);

    void accept() override;
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Route {
        Notify notify;
        int id;
        std::function<void()> handler;
    };

    ControlSet& builtControls() const;
    void build();
    void connectRoute(Route route);

    const DialogTemplate& m_template;
    ControlSet m_controls;
    QWidget* m_client = nullptr;
    MenuBar* m_menu = nullptr;
    std::map<int, std::function<void()>> m_commands;
    std::vector<Route> m_routesBeforeBuild;
    std::map<int, int> m_timers; // our id -> Qt's id
    // While busy: each control and the cursor of its own that the wait cursor replaced.
    std::vector<std::pair<QPointer<QWidget>, std::optional<QCursor>>> m_cursorsBeforeWait;
    bool m_waitCursor = false;
    bool m_controlsBuilt = false;
    bool m_initialized = false;
    bool m_ended = false;
    bool m_inModalLoop = false;
    // Set while members and controls are exchanged: the controls' notifications are not
    // dispatched then, so that a handler never sees half of an exchange.
    bool m_exchanging = false;
    int m_result = 0;
};

} // namespace halvex
