// Exclusive hold on the camera across processes, as a USB device allows only one user at a time.
#include "DeviceLock.h"

#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace vx3sim {

std::string DeviceLock::defaultPath() {
    std::error_code error;
    const auto folder = std::filesystem::temp_directory_path(error);
    return ((error ? std::filesystem::path(".") : folder) / "vx3sim-camera.lock").string();
}

#if defined(_WIN32)

// A file opened without sharing cannot be opened again until its handle is closed.
bool DeviceLock::acquire(const std::string& path) {
    release();
    if (path.empty()) {
        return true;
    }
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    m_handle = handle;
    return true;
}

void DeviceLock::release() {
    if (m_handle != nullptr) {
        CloseHandle(static_cast<HANDLE>(m_handle));
        m_handle = nullptr;
    }
}

#else

// flock belongs to the open file, so the lock ends with the process even when it crashes.
bool DeviceLock::acquire(const std::string& path) {
    release();
    if (path.empty()) {
        return true;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void DeviceLock::release() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

#endif

} // namespace vx3sim
