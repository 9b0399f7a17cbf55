// The 31 library functions: results, failures outside an open camera, faults, bad arguments,
// and the log.
#include "CameraFixture.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <tuple>

#include <unistd.h>

namespace vx3test {
namespace {

struct Call {
    std::string name;
    std::function<int()> run;
    std::vector<std::int64_t> arguments = {}; // as logged
    std::string fileName = {};
};

// What the calls read and write.
std::uint8_t frame[VX3_FRAME_BYTES], jpeg[VX3_FRAME_BYTES];
const std::string temp = ::testing::TempDir() + "vx3_conformance_" + std::to_string(::getpid());
const std::string bmpPath = temp + ".bmp", jpgPath = temp + ".jpg";
const char *const bmp = bmpPath.c_str(), *const jpg = jpgPath.c_str();
std::uint8_t byte = 0;
const std::uint8_t two[2] = {0xA0, 0x7F};
char text[VX3_VERSION_TEXT_SIZE], initBuffer[VX3_INIT_BUFFER_SIZE];
std::uint16_t rate = 0, mode16 = 0;
std::int32_t mode = 0, width = 0, height = 0;
std::uint32_t size = 1;
BITMAPINFOHEADER header = {40, 640, 480, 1, 24, 0, VX3_FRAME_BYTES, 0, 0, 0, 0};
VX3_JPEGINFO info = {40, 640, 480, 3, 90, 0, 0, 100, {0, 0, 0}};
WhiteBalanceValue gains = {140, 48};

// Every function with arguments it accepts, in the order the tool uses them.
const std::vector<Call> validCalls = {
    {"VX3_InitCamera", [] { return VX3_InitCamera(initBuffer); }},
    {"VX3_IsConnectUsb", [] { return VX3_IsConnectUsb(); }},
    {"VX3_GetUsbId", [] { return VX3_GetUsbId(1, &byte); }, {1}},
    {"VX3_EST_GetVersion", [] { return VX3_EST_GetVersion(0, text); }, {0}},
    {"VX3_SetTimeout", [] { return VX3_SetTimeout(5000); }, {5000}},
    {"VX3_EST_GetAdrsData", [] { return VX3_EST_GetAdrsData(0x12, 1, &byte); }, {0x12, 1}},
    {"VX3_EST_SetAdrsData",
     [] { return VX3_EST_SetAdrsData(0x40, 2, two); },
     {0x40, 2, 0xA0, 0x7F}},
    {"VX3_LV_SetImageSize", [] { return VX3_LV_SetImageSize(0); }, {0}},
    {"VX3_SIA_GetImageInfo", [] { return VX3_SIA_GetImageInfo(&header); }},
    {"VX3_LV_StartMovie", [] { return VX3_LV_StartMovie(frame); }},
    {"VX3_LV_ContinueMovie", [] { return VX3_LV_ContinueMovie(frame); }},
    {"VX3_LV_IsMovieRunning", [] { return VX3_LV_IsMovieRunning(); }},
    {"VX3_LV_StopMovie", [] { return VX3_LV_StopMovie(); }},
    {"VX3_LV_SetFrameRate", [] { return VX3_LV_SetFrameRate(15); }, {15}},
    {"VX3_LV_GetFrameRate", [] { return VX3_LV_GetFrameRate(&rate); }},
    {"VX3_SIA_SetImageSize", [] { return VX3_SIA_SetImageSize(640, 480); }, {640, 480}},
    {"VX3_SIA_GetImageSize", [] { return VX3_SIA_GetImageSize(&width, &height); }},
    {"VX3_SIA_CaptureJpg", [] { return VX3_SIA_CaptureJpg(jpeg, &size); }},
    {"VX3_SIA_CaptureBmp", [] { return VX3_SIA_CaptureBmp(frame); }},
    {"VX3_SIA_SaveImageJpg", [] { return VX3_SIA_SaveImageJpg(jpg, &info, jpeg); }, {100}, jpg},
    {"VX3_SIA_SaveImageBmp", [] { return VX3_SIA_SaveImageBmp(bmp, &header, frame); }, {}, bmp},
    {"VX3_WB_SetWbVal", [] { return VX3_WB_SetWbVal(&gains); }, {140, 48}},
    {"VX3_WB_GetWbVal", [] { return VX3_WB_GetWbVal(&gains); }},
    {"VX3_WB_GetMode", [] { return VX3_WB_GetMode(&mode); }},
    {"VX3_WB_SetMode", [] { return VX3_WB_SetMode(0); }, {0}},
    {"VX3_GC_SetAgc", [] { return VX3_GC_SetAgc(1); }, {1}},
    {"VX3_GC_GetAgc", [] { return VX3_GC_GetAgc(&mode); }},
    {"VX3_BB_GetMode", [] { return VX3_BB_GetMode(&mode); }},
    {"VX3_EXP_SetMode", [] { return VX3_EXP_SetMode(0); }, {0}},
    {"VX3_EXP_GetMode", [] { return VX3_EXP_GetMode(&mode16); }},
    {"VX3_UnmountCamera", [] { return VX3_UnmountCamera(); }},
};

// A fresh open camera with live view running, so that every call has what it needs.
void reopen() {
    vx3sim::reset();
    ASSERT_NE(VX3_InitCamera(nullptr), 0);
    ASSERT_NE(VX3_LV_StartMovie(frame), 0);
    vx3sim::clearLog();
}

using ConformanceTest = CameraTest;

// Without an open camera every function but VX3_InitCamera fails, and an unplugged camera fails
// at once rather than after the time-out. Pulling the cable loses the handle for good.
TEST_F(ConformanceTest, EveryFunctionFailsWithoutAnOpenCamera) {
    const std::pair<const char*, std::function<void()>> states[] = {
        {"unplugged", [] { vx3sim::setPlugged(false); }},
        {"before init", [] { vx3sim::reset(); }},
        {"after unmount", [] { ASSERT_NE(VX3_UnmountCamera(), 0); }},
        {"replugged", [] { vx3sim::setPlugged(false), vx3sim::setPlugged(true); }},
    };
    for (const auto& [state, enter] : states) {
        for (const Call& call : validCalls) {
            reopen();
            enter();
            const std::int64_t start = clock.now;
            const bool opens = call.name == "VX3_InitCamera" && *state != 'u';
            EXPECT_EQ(call.run(), opens ? 1 : 0) << call.name << ", " << state;
            EXPECT_EQ(clock.now, start) << call.name << ", " << state;
        }
    }
    // A replug starts from the power-on registers (saturation 0x80) without live view.
    reopen();
    set(0x03, 0x11);
    vx3sim::setPlugged(false), vx3sim::setPlugged(true);
    ASSERT_NE(VX3_InitCamera(nullptr), 0);
    EXPECT_EQ(VX3_LV_IsMovieRunning() << 8 | get(0x03), 0x80);
    EXPECT_NE(VX3_LV_StartMovie(frame), 0);
}

// Each function succeeds on an open camera and its log entry holds what it received and
// returned; an injected fault starts at the nth call and clears.
TEST_F(ConformanceTest, EveryFunctionSucceedsOnAnOpenCameraUntilAFaultIsInjected) {
    ASSERT_EQ(validCalls.size(), 31u);
    for (const Call& call : validCalls) {
        reopen();
        vx3sim::failFunction(call.name, 2);
        const int result = call.run();
        EXPECT_NE(result, 0) << call.name;
        const auto log = vx3sim::log();
        ASSERT_FALSE(log.empty()) << call.name;
        const vx3sim::LogEntry& e = log.back();
        EXPECT_EQ(std::tie(e.function, e.result, e.arguments, e.fileName),
                  std::tie(call.name, result, call.arguments, call.fileName));
        reopen();
        vx3sim::failFunction(call.name, 1);
        EXPECT_EQ(call.run() + call.run(), 0) << call.name;
        vx3sim::failFunction(call.name, -1);
        EXPECT_NE(call.run(), 0) << call.name;
    }
    std::remove(bmp);
    std::remove(jpg);
    // A fault for one first argument counts only the calls with that argument; clearing it
    // leaves the others.
    reopen();
    std::uint8_t vendor = 0, product = 0;
    vx3sim::failFunctionFor("VX3_GetUsbId", 0);
    vx3sim::failFunctionFor("VX3_EST_SetAdrsData", 0x01, 2);
    EXPECT_EQ(std::vector<int>(
                  {VX3_GetUsbId(1, &vendor), VX3_GetUsbId(0, &product),
                   VX3_EST_SetAdrsData(0x02, 1, &byte), VX3_EST_SetAdrsData(0x01, 1, &byte),
                   VX3_EST_SetAdrsData(0x02, 1, &byte), VX3_EST_SetAdrsData(0x01, 1, &byte),
                   (vx3sim::failFunctionFor("VX3_GetUsbId", 0, -1), VX3_GetUsbId(0, &product)),
                   VX3_EST_SetAdrsData(0x01, 1, &byte),
                   (vx3sim::clearFaults(), VX3_EST_SetAdrsData(0x01, 1, &byte))}),
              std::vector<int>({1, 0, 1, 1, 1, 0, 1, 0, 1}));
    EXPECT_EQ(vendor << 8 | product, 0x5C21);
}

// Live view cannot be continued before it starts.
TEST_F(ConformanceTest, OutOfRangeArgumentsFail) {
    std::uint8_t bytes[32] = {};
    BITMAPINFOHEADER eightBit = header;
    eightBit.biBitCount = 8;
    VX3_JPEGINFO empty{}, huge{};
    huge.dataSize = VX3_FRAME_BYTES + 1;
    const WhiteBalanceValue blueTooHigh{256, 64}, redTooHigh{64, 300};
    EXPECT_EQ(std::vector<int>(
                  {VX3_GetUsbId(2, bytes), VX3_GetUsbId(0, nullptr), VX3_EST_GetVersion(-1, text),
                   VX3_EST_GetVersion(1, nullptr), VX3_SetTimeout(0),
                   VX3_EST_GetAdrsData(256, 1, bytes), VX3_EST_GetAdrsData(0xFF, 2, bytes),
                   VX3_EST_GetAdrsData(0x12, 0, bytes), VX3_EST_SetAdrsData(0xF0, 17, bytes)}),
              std::vector<int>(9, 0));
    EXPECT_EQ(std::vector<int>({VX3_LV_SetImageSize(1), VX3_LV_StartMovie(nullptr),
                                VX3_LV_ContinueMovie(frame), VX3_LV_SetFrameRate(0),
                                VX3_LV_SetFrameRate(31), VX3_LV_GetFrameRate(nullptr),
                                VX3_SIA_GetImageInfo(nullptr), VX3_SIA_SetImageSize(320, 240),
                                VX3_SIA_CaptureJpg(nullptr, &size)}),
              std::vector<int>(9, 0));
    EXPECT_EQ(std::vector<int>({VX3_SIA_SaveImageJpg(jpg, &empty, bytes),
                                VX3_SIA_SaveImageJpg(jpg, &huge, bytes),
                                VX3_SIA_SaveImageBmp(bmp, &eightBit, frame),
                                VX3_SIA_SaveImageBmp("/nonexistent/x.bmp", &header, frame),
                                VX3_WB_SetWbVal(&blueTooHigh), VX3_WB_SetWbVal(&redTooHigh),
                                VX3_WB_SetWbVal(nullptr), VX3_EXP_GetMode(nullptr)}),
              std::vector<int>(8, 0));
    const WhiteBalanceValue kept = balance();
    EXPECT_EQ(kept.blue << 8 | kept.red, 0x8C30) << "a refused white balance writes nothing";
}

} // namespace
} // namespace vx3test
