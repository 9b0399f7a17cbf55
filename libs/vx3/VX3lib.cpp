// The 31 VX3 library functions, each a guarded call into the process's one simulated camera.
#include "VX3lib.h"

#include "BitmapFile.h"
#include "Camera.h"

#include <fstream>
#include <initializer_list>
#include <utility>

using vx3sim::CallArguments;
using vx3sim::Camera;
using Needs = vx3sim::Camera::Needs;
namespace reg = vx3sim::reg;
namespace bit = vx3sim::bit;

namespace {

template <typename Body>
int run(const char* function, CallArguments arguments, Needs needs, Body&& body) {
    return Camera::instance().call(function, std::move(arguments), needs, std::forward<Body>(body));
}

CallArguments values(std::initializer_list<std::int64_t> list) {
    return {list, {}};
}

// The register range and the bytes a register write passes in, as far as they can be read.
CallArguments registerWrite(std::uint32_t address, std::uint32_t count, const std::uint8_t* data) {
    CallArguments arguments = values({address, count});
    if (data != nullptr && address < 256 && count <= 256 - address) {
        arguments.values.insert(arguments.values.end(), data, data + count);
    }
    return arguments;
}

CallArguments balanceIn(const WhiteBalanceValue* value) {
    return value != nullptr ? values({value->blue, value->red}) : CallArguments{};
}

CallArguments bitmapSaving(const char* fileName) {
    return {{}, fileName != nullptr ? fileName : ""};
}

CallArguments jpegSaving(const char* fileName, const VX3_JPEGINFO* info) {
    CallArguments arguments = bitmapSaving(fileName);
    if (info != nullptr) {
        arguments.values.push_back(info->dataSize);
    }
    return arguments;
}

// Black balance has no register in this sensor model: the black level is always calibrated.
constexpr std::int32_t BlackBalanceAutomatic = 1;

bool saveJpeg(const char* fileName, const VX3_JPEGINFO* info, const std::uint8_t* jpeg) {
    if (fileName == nullptr || info == nullptr || jpeg == nullptr || info->dataSize == 0 ||
        info->dataSize > VX3_FRAME_BYTES) {
        return false;
    }
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(jpeg), static_cast<std::streamsize>(info->dataSize));
    file.close();
    return !file.fail();
}

} // namespace

extern "C" {

int VX3_InitCamera(char* buffer) {
    return run("VX3_InitCamera", {}, Needs::Plugged,
               [&](Camera& c) { return c.initCamera(buffer); });
}

int VX3_IsConnectUsb(void) {
    return run("VX3_IsConnectUsb", {}, Needs::Open, [](Camera&) { return true; });
}

int VX3_GetUsbId(int which, uint8_t* id) {
    return run("VX3_GetUsbId", values({which}), Needs::Open,
               [&](Camera& c) { return c.getUsbId(which, id); });
}

int VX3_EST_GetVersion(int which, char* text) {
    return run("VX3_EST_GetVersion", values({which}), Needs::Open,
               [&](Camera& c) { return c.getVersion(which, text); });
}

int VX3_SetTimeout(uint32_t milliseconds) {
    return run("VX3_SetTimeout", values({milliseconds}), Needs::Open,
               [&](Camera& c) { return c.setTimeout(milliseconds); });
}

int VX3_UnmountCamera(void) {
    return run("VX3_UnmountCamera", {}, Needs::Open, [](Camera& c) { return c.unmount(); });
}

int VX3_EST_GetAdrsData(uint32_t address, uint32_t count, uint8_t* data) {
    return run("VX3_EST_GetAdrsData", values({address, count}), Needs::Open,
               [&](Camera& c) { return c.getRegisters(address, count, data); });
}

int VX3_EST_SetAdrsData(uint32_t address, uint32_t count, const uint8_t* data) {
    return run("VX3_EST_SetAdrsData", registerWrite(address, count, data), Needs::Open,
               [&](Camera& c) { return c.setRegisters(address, count, data); });
}

int VX3_LV_SetImageSize(int code) {
    return run("VX3_LV_SetImageSize", values({code}), Needs::Open,
               [&](Camera&) { return code == 0; });
}

int VX3_LV_StartMovie(uint8_t* frame) {
    return run("VX3_LV_StartMovie", {}, Needs::OpenFrames,
               [&](Camera& c) { return c.startMovie(frame); });
}

int VX3_LV_ContinueMovie(uint8_t* frame) {
    return run("VX3_LV_ContinueMovie", {}, Needs::OpenFrames,
               [&](Camera& c) { return c.continueMovie(frame); });
}

int VX3_LV_StopMovie(void) {
    return run("VX3_LV_StopMovie", {}, Needs::Open, [](Camera& c) { return c.stopMovie(); });
}

int VX3_LV_IsMovieRunning(void) {
    return run("VX3_LV_IsMovieRunning", {}, Needs::Open,
               [](Camera& c) { return c.movieRunning(); });
}

int VX3_LV_SetFrameRate(uint16_t framesPerSecond) {
    return run("VX3_LV_SetFrameRate", values({framesPerSecond}), Needs::Open,
               [&](Camera& c) { return c.setFrameRate(framesPerSecond); });
}

int VX3_LV_GetFrameRate(uint16_t* framesPerSecond) {
    return run("VX3_LV_GetFrameRate", {}, Needs::Open,
               [&](Camera& c) { return c.getFrameRate(framesPerSecond); });
}

int VX3_SIA_GetImageInfo(BITMAPINFOHEADER* header) {
    return run("VX3_SIA_GetImageInfo", {}, Needs::Open, [&](Camera&) {
        if (header != nullptr) {
            *header = vx3sim::BitmapFile::frameHeader();
        }
        return header != nullptr;
    });
}

int VX3_SIA_SetImageSize(int32_t width, int32_t height) {
    return run("VX3_SIA_SetImageSize", values({width, height}), Needs::Open,
               [&](Camera&) { return width == VX3_FRAME_WIDTH && height == VX3_FRAME_HEIGHT; });
}

int VX3_SIA_GetImageSize(int32_t* width, int32_t* height) {
    return run("VX3_SIA_GetImageSize", {}, Needs::Open, [&](Camera&) {
        if (width == nullptr || height == nullptr) {
            return false;
        }
        *width = VX3_FRAME_WIDTH;
        *height = VX3_FRAME_HEIGHT;
        return true;
    });
}

int VX3_SIA_CaptureJpg(uint8_t* buffer, uint32_t* size) {
    return run("VX3_SIA_CaptureJpg", {}, Needs::Open,
               [&](Camera& c) { return c.captureJpg(buffer, size); });
}

int VX3_SIA_CaptureBmp(uint8_t* frame) {
    return run("VX3_SIA_CaptureBmp", {}, Needs::Open,
               [&](Camera& c) { return c.captureBmp(frame); });
}

int VX3_SIA_SaveImageJpg(const char* fileName, const VX3_JPEGINFO* info, const uint8_t* jpeg) {
    return run("VX3_SIA_SaveImageJpg", jpegSaving(fileName, info), Needs::Open,
               [&](Camera&) { return saveJpeg(fileName, info, jpeg); });
}

int VX3_SIA_SaveImageBmp(const char* fileName, const BITMAPINFOHEADER* header,
                         const uint8_t* frame) {
    return run("VX3_SIA_SaveImageBmp", bitmapSaving(fileName), Needs::Open, [&](Camera&) {
        return fileName != nullptr && header != nullptr && frame != nullptr &&
               vx3sim::BitmapFile::write(fileName, *header, frame);
    });
}

int VX3_WB_SetWbVal(const WhiteBalanceValue* value) {
    return run("VX3_WB_SetWbVal", balanceIn(value), Needs::Open,
               [&](Camera& c) { return c.setWhiteBalance(value); });
}

int VX3_WB_GetWbVal(WhiteBalanceValue* value) {
    return run("VX3_WB_GetWbVal", {}, Needs::Open,
               [&](Camera& c) { return c.getWhiteBalance(value); });
}

int VX3_WB_GetMode(int32_t* mode) {
    return run("VX3_WB_GetMode", {}, Needs::Open,
               [&](Camera& c) { return c.getFlag(reg::ComA, bit::AwbEnable, mode); });
}

int VX3_WB_SetMode(int32_t mode) {
    return run("VX3_WB_SetMode", values({mode}), Needs::Open,
               [&](Camera& c) { return c.setFlag(reg::ComA, bit::AwbEnable, mode != 0); });
}

int VX3_GC_SetAgc(int32_t on) {
    return run("VX3_GC_SetAgc", values({on}), Needs::Open,
               [&](Camera& c) { return c.setFlag(reg::ComA, bit::AgcEnable, on != 0); });
}

int VX3_GC_GetAgc(int32_t* on) {
    return run("VX3_GC_GetAgc", {}, Needs::Open,
               [&](Camera& c) { return c.getFlag(reg::ComA, bit::AgcEnable, on); });
}

int VX3_BB_GetMode(int32_t* mode) {
    return run("VX3_BB_GetMode", {}, Needs::Open, [&](Camera&) {
        if (mode != nullptr) {
            *mode = BlackBalanceAutomatic;
        }
        return mode != nullptr;
    });
}

int VX3_EXP_SetMode(int32_t mode) {
    return run("VX3_EXP_SetMode", values({mode}), Needs::Open,
               [&](Camera& c) { return c.setExposureMode(mode); });
}

int VX3_EXP_GetMode(uint16_t* mode) {
    return run("VX3_EXP_GetMode", {}, Needs::Open,
               [&](Camera& c) { return c.getExposureMode(mode); });
}

} // extern "C"
