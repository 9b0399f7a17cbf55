// The one simulated camera of the process: life cycle, identity, registers, live view and captures.
#include "Camera.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "BitmapFile.h"
#include "JpegEncoder.h"

namespace vx3sim {

namespace {

constexpr const char* DefaultSdkVersion = "VX3 2.1.0";
constexpr const char* DefaultCameraVersion = "OV7610";
constexpr const char* SensorVariable = "VX3SIM_SENSOR";
constexpr std::uint32_t DefaultTimeoutMs = 5000;
constexpr std::size_t VersionLength = VX3_VERSION_TEXT_SIZE - 1;
// Offsets an unstable white-balance read-back adds in turn: never 0, never twice the same.
constexpr int Wander[] = {1, -1, 2, -2};

class SteadyClock final : public Clock {
public:
    std::int64_t nowMicroseconds() override {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void sleepMicroseconds(std::int64_t duration) override {
        std::this_thread::sleep_for(std::chrono::microseconds(duration));
    }
};

Clock& steadyClock() {
    static SteadyClock clock;
    return clock;
}

std::string sensorFromEnvironment() {
    const char* value = std::getenv(SensorVariable);
    return value != nullptr && *value != '\0' ? value : DefaultCameraVersion;
}

std::uint16_t wandered(std::uint8_t value, int offset) {
    const int moved = value + offset;
    return static_cast<std::uint16_t>(moved < 0 || moved > 255 ? value - offset : moved);
}

} // namespace

Camera& Camera::instance() {
    static Camera camera;
    return camera;
}

Camera::Camera() : m_clock(&steadyClock()), m_lockPath(DeviceLock::defaultPath()) {
    resetState();
}

std::int64_t Camera::now() {
    m_lastNow = m_clock->nowMicroseconds();
    return m_lastNow;
}

bool Camera::available(Needs needs) const {
    return m_plugged && (needs == Needs::Plugged || m_open);
}

void Camera::resetState() {
    m_lock.release();
    m_cameraVersion = sensorFromEnvironment();
    m_sdkVersion = DefaultSdkVersion;
    m_vendorId = DefaultVendorId;
    m_productId = DefaultProductId;
    m_plugged = true;
    m_open = false;
    m_timeoutMs = DefaultTimeoutMs;
    m_sensor.powerOn(SensorModel::forVersion(m_cameraVersion), Unit::fromEnvironment(), now());
    m_movieRunning = false;
    m_lastFrame = 0;
    m_delivered = 0;
    m_dropped = 0;
    m_unstableBalance = false;
    m_balanceReads = 0;
    m_recorder.clearFaults();
    m_recorder.clearLog();
}

std::uint8_t Camera::readRegister(std::uint8_t address) {
    const std::uint8_t value = m_sensor.read(address);
    m_recorder.registerRead(address, value);
    return value;
}

void Camera::writeRegister(std::uint8_t address, std::uint8_t value) {
    m_sensor.write(address, value, now());
    m_recorder.registerWrite(address, value);
}

// --- Identity and life cycle ---

bool Camera::initCamera(char* buffer) {
    if (!m_open && !m_lock.acquire(m_lockPath)) {
        return false;
    }
    m_open = true;
    if (buffer != nullptr) {
        std::snprintf(buffer, VX3_INIT_BUFFER_SIZE, "VX3 camera %s", m_cameraVersion.c_str());
    }
    return true;
}

bool Camera::getUsbId(int which, std::uint8_t* id) const {
    if (id == nullptr || (which != 0 && which != 1)) {
        return false;
    }
    *id = which == 1 ? m_vendorId : m_productId;
    return true;
}

bool Camera::getVersion(int which, char* text) const {
    if (text == nullptr || (which != 0 && which != 1)) {
        return false;
    }
    const std::string& version = which == 1 ? m_sdkVersion : m_cameraVersion;
    const std::size_t length = std::min(version.size(), VersionLength);
    std::memcpy(text, version.data(), length);
    text[length] = '\0';
    return true;
}

bool Camera::setTimeout(std::uint32_t milliseconds) {
    if (milliseconds == 0) {
        return false;
    }
    m_timeoutMs = milliseconds;
    return true;
}

bool Camera::unmount() {
    m_movieRunning = false;
    m_open = false;
    m_lock.release();
    return true;
}

// --- Registers ---

bool Camera::getRegisters(std::uint32_t address, std::uint32_t count, std::uint8_t* data) {
    if (data == nullptr || count == 0 || address >= 256 || count > 256 - address) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        data[i] = readRegister(static_cast<std::uint8_t>(address + i));
    }
    return true;
}

bool Camera::setRegisters(std::uint32_t address, std::uint32_t count, const std::uint8_t* data) {
    if (data == nullptr || count == 0 || address >= 256 || count > 256 - address) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        writeRegister(static_cast<std::uint8_t>(address + i), data[i]);
    }
    return true;
}

bool Camera::getFlag(std::uint8_t address, std::uint8_t mask, std::int32_t* on) {
    if (on == nullptr) {
        return false;
    }
    *on = (readRegister(address) & mask) ? 1 : 0;
    return true;
}

bool Camera::setFlag(std::uint8_t address, std::uint8_t mask, bool on) {
    const std::uint8_t value = readRegister(address);
    writeRegister(address, static_cast<std::uint8_t>(on ? value | mask : value & ~mask));
    return true;
}

// --- Live view ---

void Camera::deliver(std::int64_t index, std::uint8_t* frame) {
    m_sensor.advanceTo(now());
    m_renderer.render(m_sensor.imageSettings(), static_cast<std::uint64_t>(index), frame);
    m_lastFrame = index;
    ++m_delivered;
}

bool Camera::startMovie(std::uint8_t* frame) {
    if (frame == nullptr) {
        return false;
    }
    m_movieRunning = true;
    // Made before the frame is chosen: the time it takes must not count as frames gone by.
    m_renderer.makeScene();
    deliver(m_sensor.frames().indexAt(now()), frame);
    return true;
}

bool Camera::continueMovie(std::uint8_t* frame) {
    if (frame == nullptr || !m_movieRunning) {
        return false;
    }
    const std::int64_t next = m_lastFrame + 1;
    const std::int64_t wait = m_sensor.frames().timeOf(next) - now();
    if (wait > timeoutMicroseconds()) {
        m_clock->sleepMicroseconds(timeoutMicroseconds());
        return false;
    }
    if (wait > 0) {
        m_clock->sleepMicroseconds(wait);
    }
    const std::int64_t newest = std::max(next, m_sensor.frames().indexAt(now()));
    m_dropped += static_cast<std::uint64_t>(newest - next);
    deliver(newest, frame);
    return true;
}

bool Camera::stopMovie() {
    m_movieRunning = false;
    return true;
}

bool Camera::setFrameRate(std::uint16_t framesPerSecond) {
    if (framesPerSecond < 1 || framesPerSecond > 30) {
        return false;
    }
    const auto timing =
        FrameClock::registersFor(framesPerSecond, m_sensor.read(reg::ClockPrescaler));
    writeRegister(reg::ClockPrescaler, timing.prescaler);
    writeRegister(reg::FrameAdjustHigh, timing.adjustHigh);
    writeRegister(reg::FrameAdjustLow, timing.adjustLow);
    return true;
}

bool Camera::getFrameRate(std::uint16_t* framesPerSecond) {
    if (framesPerSecond == nullptr) {
        return false;
    }
    RegisterFile timing{};
    for (const std::uint8_t address :
         {reg::ClockPrescaler, reg::FrameAdjustHigh, reg::FrameAdjustLow}) {
        timing[address] = readRegister(address);
    }
    *framesPerSecond =
        static_cast<std::uint16_t>(FrameClock::framesPerSecond(FrameClock::linesOf(timing)));
    return true;
}

// --- Still images ---

bool Camera::captureBmp(std::uint8_t* frame) {
    if (frame == nullptr) {
        return false;
    }
    const std::int64_t index = m_sensor.frames().indexAt(now());
    m_renderer.render(m_sensor.imageSettings(), static_cast<std::uint64_t>(index), frame);
    return true;
}

bool Camera::captureJpg(std::uint8_t* buffer, std::uint32_t* size) {
    if (buffer == nullptr || size == nullptr) {
        return false;
    }
    // Made on the first JPEG capture, not with the camera: touching a frame's worth of fresh pages
    // is a measurable part of the first initialisation, and most runs never take a JPEG.
    m_scratch.resize(VX3_FRAME_BYTES);
    if (!captureBmp(m_scratch.data())) {
        return false;
    }
    const std::vector<std::uint8_t> jpeg =
        JpegEncoder::encode(m_scratch.data(), VX3_FRAME_WIDTH, VX3_FRAME_HEIGHT);
    if (jpeg.empty() || jpeg.size() > VX3_FRAME_BYTES) {
        return false;
    }
    std::copy(jpeg.begin(), jpeg.end(), buffer);
    *size = static_cast<std::uint32_t>(jpeg.size());
    return true;
}

// --- White balance and exposure ---

bool Camera::setWhiteBalance(const WhiteBalanceValue* value) {
    if (value == nullptr || value->blue > 255 || value->red > 255) {
        return false;
    }
    writeRegister(reg::BlueGain, static_cast<std::uint8_t>(value->blue));
    writeRegister(reg::RedGain, static_cast<std::uint8_t>(value->red));
    return true;
}

bool Camera::getWhiteBalance(WhiteBalanceValue* value) {
    if (value == nullptr) {
        return false;
    }
    const std::uint8_t blue = readRegister(reg::BlueGain);
    const std::uint8_t red = readRegister(reg::RedGain);
    if (m_unstableBalance || m_sensor.unit().fault() == BadUnit::UnsettledBalance) {
        const std::uint32_t turn = m_balanceReads++;
        value->blue = wandered(blue, Wander[turn % std::size(Wander)]);
        value->red = wandered(red, Wander[(turn + 1) % std::size(Wander)]);
    } else {
        value->blue = blue;
        value->red = red;
    }
    return true;
}

bool Camera::setExposureMode(std::int32_t mode) {
    setFlag(reg::ComH, bit::FreezeAec, mode != 0);
    if (mode == 0) {
        setFlag(reg::ComI, bit::AecOff, false);
    }
    return true;
}

bool Camera::getExposureMode(std::uint16_t* mode) {
    if (mode == nullptr) {
        return false;
    }
    const bool frozen = (readRegister(reg::ComH) & bit::FreezeAec) != 0;
    const bool off = (readRegister(reg::ComI) & bit::AecOff) != 0;
    *mode = frozen || off ? 1 : 0;
    return true;
}

// --- Control interface ---

void Camera::setClock(Clock* clock) {
    std::lock_guard lock(m_mutex);
    const std::int64_t before = m_lastNow;
    m_clock = clock != nullptr ? clock : &steadyClock();
    m_sensor.shiftTime(now() - before);
}

void Camera::reset() {
    std::lock_guard lock(m_mutex);
    resetState();
}

void Camera::setCameraVersion(const std::string& version) {
    std::lock_guard lock(m_mutex);
    const SensorModel& model = SensorModel::forVersion(version);
    if (&model != &m_sensor.model()) {
        m_sensor.powerOn(model, m_sensor.unit(), now());
    }
    m_cameraVersion = version;
}

void Camera::setSdkVersion(const std::string& version) {
    std::lock_guard lock(m_mutex);
    m_sdkVersion = version;
}

void Camera::setUsbIds(std::uint8_t vendor, std::uint8_t product) {
    std::lock_guard lock(m_mutex);
    m_vendorId = vendor;
    m_productId = product;
}

void Camera::setPlugged(bool plugged) {
    std::lock_guard lock(m_mutex);
    if (!plugged && m_plugged) {
        // The handle dies with the connection; the device is free for whoever opens it next.
        m_open = false;
        m_movieRunning = false;
        m_lock.release();
    } else if (plugged && !m_plugged) {
        m_sensor.powerOn(m_sensor.model(), m_sensor.unit(), now());
        m_lastFrame = 0;
    }
    m_plugged = plugged;
}

void Camera::failFunction(const std::string& function, std::optional<std::int64_t> firstArgument,
                          int nth) {
    std::lock_guard lock(m_mutex);
    m_recorder.failFrom(function, firstArgument, nth);
}

void Camera::clearFaults() {
    std::lock_guard lock(m_mutex);
    m_recorder.clearFaults();
}

void Camera::setUnit(std::uint32_t seed) {
    std::lock_guard lock(m_mutex);
    const Unit& unit = m_sensor.unit();
    const auto stuck = unit.stuckRegister();
    m_sensor.powerOn(m_sensor.model(), Unit::make(seed, unit.fault(), stuck.value_or(0x01)), now());
}

void Camera::setBadUnit(BadUnit fault, std::uint8_t stuckRegister) {
    std::lock_guard lock(m_mutex);
    m_sensor.powerOn(m_sensor.model(), Unit::make(m_sensor.unit().seed(), fault, stuckRegister),
                     now());
    m_balanceReads = 0;
}

void Camera::setWhiteBalanceUnstable(bool unstable) {
    std::lock_guard lock(m_mutex);
    m_unstableBalance = unstable;
}

void Camera::setDeviceLockPath(const std::string& path) {
    std::lock_guard lock(m_mutex);
    m_lockPath = path;
}

std::vector<LogEntry> Camera::log() {
    std::lock_guard lock(m_mutex);
    return m_recorder.entries();
}

void Camera::clearLog() {
    std::lock_guard lock(m_mutex);
    m_recorder.clearLog();
}

std::uint8_t Camera::peekRegister(std::uint8_t address) {
    std::lock_guard lock(m_mutex);
    m_sensor.advanceTo(now());
    return m_sensor.read(address);
}

std::uint64_t Camera::framesDelivered() {
    std::lock_guard lock(m_mutex);
    return m_delivered;
}

std::uint64_t Camera::framesDropped() {
    std::lock_guard lock(m_mutex);
    return m_dropped;
}

} // namespace vx3sim
