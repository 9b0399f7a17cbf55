// The main window in its Maintenance Screen on the simulated camera, with helpers to watch the
// calibration sequences: the bar's positions, the boxes shown and the camera's traffic.
#pragma once

#include "AppTestEnvironment.h"
#include "TechnicianHands.h"
#include "app/CameraDataDialog.h"
#include "resources/ResourceIds.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <functional>

namespace halvex::test {

// The literal texts of the procedures' boxes.
namespace text {
inline const QString Timeout = QStringLiteral("Operation timeout!");
inline const QString OutOfRange =
    QStringLiteral("The obtained color adjustment values are out of range.");
inline const QString GreenOut =
    QStringLiteral("The average value of the green component is out of range.");
inline const QString WhiteBalanceWarning =
    QStringLiteral(" WhiteBalance Initialization error! \n Please push READ button and check the "
                   "value.");
inline const QString LiveImage = QStringLiteral("Live image display");
} // namespace text

// Counts the times a widget was really painted, calling back at each.
class PaintRecorder final : public QObject {
public:
    PaintRecorder(
        QWidget* widget, std::function<void()> onPaint = [] {})
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

class CalibrationTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->ShowMaintenanceLayout();
    }
    // The window started afresh on a camera reporting this version text, or on a faulty unit.
    void restart(const char* cameraVersion, vx3sim::BadUnit unit = vx3sim::BadUnit::None) {
        window.reset();
        vx3sim::reset();
        vx3sim::setCameraVersion(cameraVersion);
        if (unit != vx3sim::BadUnit::None) {
            vx3sim::setBadUnit(unit);
        }
        window = startMainWindow();
        window->ShowMaintenanceLayout();
    }
    void type(int id, const QString& text) { typeInto(window->controls().as<QLineEdit>(id), text); }
    QString shown(int id) const { return window->controls().text(id); }

    // Every position the bar took, in order, while the spy watched.
    static QList<int> positions(const QSignalSpy& spy) {
        QList<int> list;
        for (const QList<QVariant>& change : spy) {
            list << change.at(0).toInt();
        }
        return list;
    }
    // Frames drawn: one continued movie each.
    static int continues() { return callCount("VX3_LV_ContinueMovie"); }
    // The gains the panel shows, in decimal and in two upper-case hex digits, within the camera's
    // range.
    std::pair<int, int> shownGains() const {
        const int blue = shown(1195).toInt();
        const int red = shown(1193).toInt();
        EXPECT_EQ(shown(1196), QString::asprintf("%02X", blue));
        EXPECT_EQ(shown(1194), QString::asprintf("%02X", red));
        EXPECT_LE(std::max(blue, red), 245);
        return {blue, red};
    }
    // The state every procedure ends in, whatever its outcome.
    void expectIdle() const {
        EXPECT_EQ(window->m_strStatus, text::LiveImage);
        EXPECT_EQ(shown(MainId::Status), text::LiveImage);
        EXPECT_EQ(window->m_progress->value(), 1); // the empty bar of the range 1 to 100
        EXPECT_EQ(window->m_bBusy, 0);
    }
    double seconds() const { return static_cast<double>(time.nowMicroseconds()) / 1e6; }
};

} // namespace halvex::test
