// The one simulated camera of the process: life cycle, identity, registers, live view and captures.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CallRecorder.h"
#include "DeviceLock.h"
#include "Renderer.h"
#include "Sensor.h"
#include "VX3Sim.h"
#include "VX3lib.h"

namespace vx3sim {

class Camera {
public:
    // What a library function needs before it can do anything.
    enum class Needs {
        Plugged,    // the camera on the cable (VX3_InitCamera)
        Open,       // an initialised camera on the cable
        OpenFrames, // as Open; when the camera does not answer, the call fails after the time-out
    };

    static Camera& instance();

    // Runs one library function: counts it for fault injection, checks what it needs, logs the
    // call with its arguments and result. `body` returns whether it succeeded.
    template <typename Body>
    int call(std::string_view function, CallArguments arguments, Needs needs, Body&& body) {
        std::lock_guard lock(m_mutex);
        const bool fails = m_recorder.callFails(function, arguments);
        int result = 0;
        if (!fails && available(needs)) {
            m_sensor.advanceTo(now());
            result = body(*this) ? 1 : 0;
        } else if (fails && needs == Needs::OpenFrames && available(needs)) {
            m_clock->sleepMicroseconds(timeoutMicroseconds());
        }
        m_recorder.call(function, std::move(arguments), result);
        return result;
    }

    // Library functions, each run inside `call`.
    bool initCamera(char* buffer);
    bool getUsbId(int which, std::uint8_t* id) const;
    bool getVersion(int which, char* text) const;
    bool setTimeout(std::uint32_t milliseconds);
    bool unmount();
    bool getRegisters(std::uint32_t address, std::uint32_t count, std::uint8_t* data);
    bool setRegisters(std::uint32_t address, std::uint32_t count, const std::uint8_t* data);
    bool startMovie(std::uint8_t* frame);
    bool continueMovie(std::uint8_t* frame);
    bool stopMovie();
    bool movieRunning() const { return m_movieRunning; }
    bool setFrameRate(std::uint16_t framesPerSecond);
    bool getFrameRate(std::uint16_t* framesPerSecond);
    bool captureJpg(std::uint8_t* buffer, std::uint32_t* size);
    bool captureBmp(std::uint8_t* frame);
    bool setWhiteBalance(const WhiteBalanceValue* value);
    bool getWhiteBalance(WhiteBalanceValue* value);
    bool getFlag(std::uint8_t address, std::uint8_t mask, std::int32_t* on);
    bool setFlag(std::uint8_t address, std::uint8_t mask, bool on);
    bool setExposureMode(std::int32_t mode);
    bool getExposureMode(std::uint16_t* mode);

    // Control interface (VX3Sim.h).
    void setClock(Clock* clock);
    void reset();
    void setCameraVersion(const std::string& version);
    void setSdkVersion(const std::string& version);
    void setUsbIds(std::uint8_t vendor, std::uint8_t product);
    void setPlugged(bool plugged);
    void failFunction(const std::string& function, std::optional<std::int64_t> firstArgument,
                      int nth);
    void clearFaults();
    void setUnit(std::uint32_t seed);
    void setBadUnit(BadUnit fault, std::uint8_t stuckRegister);
    void setWhiteBalanceUnstable(bool unstable);
    void setDeviceLockPath(const std::string& path);
    std::vector<LogEntry> log();
    void clearLog();
    std::uint8_t peekRegister(std::uint8_t address);
    std::uint64_t framesDelivered();
    std::uint64_t framesDropped();

private:
    Camera();

    std::int64_t now();
    bool available(Needs needs) const;
    std::int64_t timeoutMicroseconds() const { return std::int64_t{m_timeoutMs} * 1000; }
    void resetState();
    std::uint8_t readRegister(std::uint8_t address);
    void writeRegister(std::uint8_t address, std::uint8_t value);
    void deliver(std::int64_t index, std::uint8_t* frame);

    std::mutex m_mutex;
    Clock* m_clock;
    std::int64_t m_lastNow = 0; // the clock's time at its last reading

    std::string m_cameraVersion;
    std::string m_sdkVersion;
    std::uint8_t m_vendorId = 0;
    std::uint8_t m_productId = 0;
    std::string m_lockPath;
    DeviceLock m_lock;

    bool m_plugged = true;
    bool m_open = false;
    std::uint32_t m_timeoutMs = 0;
    Sensor m_sensor;
    Renderer m_renderer;
    std::vector<std::uint8_t> m_scratch;

    bool m_movieRunning = false;
    std::int64_t m_lastFrame = 0; // index of the last frame live view delivered
    std::uint64_t m_delivered = 0;
    std::uint64_t m_dropped = 0;

    bool m_unstableBalance = false;
    std::uint32_t m_balanceReads = 0; // read-backs of an unsettled balance so far
    CallRecorder m_recorder;
};

} // namespace vx3sim
