// The device lock: a second process cannot open the camera while the first holds it.
#include "CameraFixture.h"

#include <cstdio>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace vx3test {
namespace {

class DeviceLockTest : public CameraTest {
protected:
    void SetUp() override {
        CameraTest::SetUp();
        lockPath = ::testing::TempDir() + "vx3_lock_" + std::to_string(::getpid());
    }
    void TearDown() override {
        CameraTest::TearDown();
        std::remove(lockPath.c_str());
    }
    // Whether a freshly started process, using `path`, can open the camera.
    static bool otherProcessOpens(const std::string& path) {
        const pid_t child = ::fork();
        if (child == 0) {
            vx3sim::reset(); // drops the parent's state that the fork copied
            vx3sim::setDeviceLockPath(path);
            ::_exit(VX3_InitCamera(nullptr) != 0 ? 0 : 1);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    std::string lockPath;
};

TEST_F(DeviceLockTest, HeldFromInitialisationToUnmount) {
    vx3sim::reset();
    vx3sim::setDeviceLockPath(lockPath);
    EXPECT_TRUE(otherProcessOpens(lockPath)) << "nobody holds the camera yet";
    ASSERT_NE(VX3_InitCamera(nullptr), 0);
    EXPECT_FALSE(otherProcessOpens(lockPath));
    EXPECT_TRUE(otherProcessOpens("")) << "an empty path switches locking off";
    ASSERT_NE(VX3_UnmountCamera(), 0);
    EXPECT_TRUE(otherProcessOpens(lockPath));
    ASSERT_NE(VX3_InitCamera(nullptr), 0);
    vx3sim::reset();
    EXPECT_TRUE(otherProcessOpens(lockPath)) << "reset releases the camera";
}

} // namespace
} // namespace vx3test
