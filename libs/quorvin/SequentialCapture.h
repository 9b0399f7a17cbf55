// One numbered series of still images from the camera, paced by a timer.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "ImageFormat.h"
#include "QuorvinApi.h"

namespace quorvin {

struct SeriesPlan {
    QString folder;
    QString prefix;
    ImageFormat format = ImageFormat::Jpeg;
    int intervalSeconds = 5;
    int count = 10;
};

class QUORVIN_API SequentialCapture : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Running, Complete, Stopped, Failed };

    static constexpr int MaxIntervalSeconds = 3600;
    static constexpr int MaxCount = 9999;

    explicit SequentialCapture(QObject* parent = nullptr);

    // Checks the plan, takes the first image at once and schedules the rest. False (with the
    // reason in statusText) when the plan cannot run or the camera refuses the image size.
    bool start(const SeriesPlan& plan);
    void stop();

    // The timer's step: takes the next image now. Tests call it instead of waiting the interval.
    void captureNext();

    // Real milliseconds per interval second; tests make the wait short or zero.
    void setTimeScale(int millisecondsPerSecond) {
        m_millisecondsPerSecond = millisecondsPerSecond;
    }

    State state() const { return m_state; }
    bool isRunning() const { return m_state == State::Running; }
    bool isWaiting() const { return m_timer.isActive(); }
    int pendingDelayMilliseconds() const { return m_timer.interval(); }
    int captured() const { return m_captured; }
    int total() const { return m_plan.count; }
    const QString& statusText() const { return m_status; }
    const QString& lastFile() const { return m_lastFile; }

    // Why a prefix cannot start file names, or empty when it can.
    static QString prefixProblem(const QString& prefix);
    // The number after the highest one already used by prefix + digits + "." in folder, so that a
    // series never overwrites an earlier one.
    static int firstFreeNumber(const QString& folder, const QString& prefix);
    static QString fileName(const QString& prefix, int number, ImageFormat format);

Q_SIGNALS:
    // State, progress or status text changed.
    void changed();
    void imageSaved(const QString& path);

private:
    // Empty when the image was written, else why not.
    QString captureTo(const QString& path);
    QString captureJpeg(const QString& path);
    QString captureBitmap(const QString& path);
    void finish(State state, const QString& status);

    SeriesPlan m_plan;
    State m_state = State::Idle;
    int m_captured = 0;
    int m_nextNumber = 1;
    int m_millisecondsPerSecond = 1000;
    QString m_status;
    QString m_lastFile;
    QTimer m_timer;
    std::vector<std::uint8_t> m_buffer;
};

} // namespace quorvin
