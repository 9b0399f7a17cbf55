// Exclusive hold on the camera across processes, as a USB device allows only one user at a time.
#pragma once

#include <string>

namespace vx3sim {

class DeviceLock {
public:
    DeviceLock() = default;
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;
    ~DeviceLock() { release(); }

    // The lock file in the system's temporary folder.
    static std::string defaultPath();

    // False when another process holds the lock at `path`; an empty path always succeeds.
    bool acquire(const std::string& path);
    void release();

private:
#if defined(_WIN32)
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace vx3sim
