/* VX3lib: C interface of the Corvane microscope camera library (31 functions, 0 means failure). */
#pragma once

#include <stdint.h>

#if defined(_WIN32)
#if defined(VX3LIB_BUILDING)
#define VX3_API __declspec(dllexport)
#else
#define VX3_API __declspec(dllimport)
#endif
#else
#define VX3_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Manual white balance gains as the library takes and returns them: blue, then red. */
typedef struct WhiteBalanceValue {
    uint16_t blue;
    uint16_t red;
} WhiteBalanceValue;

/* The 40-byte device-independent bitmap header, laid out as on Windows. Where the Windows
   headers are already included their own declaration is used. */
#if !defined(_WINGDI_)
typedef struct tagBITMAPINFOHEADER {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
} BITMAPINFOHEADER;
#endif

/* The 40-byte JPEG description block. The caller of VX3_SIA_SaveImageJpg sets dataSize (byte
   offset 24) to the size VX3_SIA_CaptureJpg returned; the library reads nothing else of it. */
typedef struct VX3_JPEGINFO {
    uint32_t structSize; /* 40 */
    int32_t width;
    int32_t height;
    uint16_t components;
    uint16_t quality;
    uint32_t colourSpace;
    uint32_t reserved0;
    uint32_t dataSize; /* byte offset 24 */
    uint32_t reserved1[3];
} VX3_JPEGINFO;

#define VX3_VERSION_TEXT_SIZE 12 /* at most 11 characters and the NUL */
#define VX3_INIT_BUFFER_SIZE 80
#define VX3_FRAME_WIDTH 640
#define VX3_FRAME_HEIGHT 480
#define VX3_FRAME_BYTES (VX3_FRAME_WIDTH * VX3_FRAME_HEIGHT * 3)

/* Identity and life cycle */
VX3_API int VX3_InitCamera(char* buffer /* VX3_INIT_BUFFER_SIZE bytes */);
VX3_API int VX3_IsConnectUsb(void);
VX3_API int VX3_GetUsbId(int which /* 1 vendor, 0 product */, uint8_t* id);
VX3_API int VX3_EST_GetVersion(int which /* 1 SDK, 0 camera */, char* text);
VX3_API int VX3_SetTimeout(uint32_t milliseconds);
VX3_API int VX3_UnmountCamera(void);

/* Sensor registers, one byte at a time */
VX3_API int VX3_EST_GetAdrsData(uint32_t address, uint32_t count, uint8_t* data);
VX3_API int VX3_EST_SetAdrsData(uint32_t address, uint32_t count, const uint8_t* data);

/* Live view */
VX3_API int VX3_LV_SetImageSize(int code /* 0: 640 x 480 */);
VX3_API int VX3_LV_StartMovie(uint8_t* frame /* VX3_FRAME_BYTES */);
VX3_API int VX3_LV_ContinueMovie(uint8_t* frame);
VX3_API int VX3_LV_StopMovie(void);
VX3_API int VX3_LV_IsMovieRunning(void);
VX3_API int VX3_LV_SetFrameRate(uint16_t framesPerSecond /* 1 to 30 */);
VX3_API int VX3_LV_GetFrameRate(uint16_t* framesPerSecond);

/* Still images */
VX3_API int VX3_SIA_GetImageInfo(BITMAPINFOHEADER* header);
VX3_API int VX3_SIA_SetImageSize(int32_t width, int32_t height);
VX3_API int VX3_SIA_GetImageSize(int32_t* width, int32_t* height);
VX3_API int VX3_SIA_CaptureJpg(uint8_t* buffer /* VX3_FRAME_BYTES */, uint32_t* size);
VX3_API int VX3_SIA_CaptureBmp(uint8_t* frame /* VX3_FRAME_BYTES */);
VX3_API int VX3_SIA_SaveImageJpg(const char* fileName, const VX3_JPEGINFO* info,
                                 const uint8_t* jpeg);
VX3_API int VX3_SIA_SaveImageBmp(const char* fileName, const BITMAPINFOHEADER* header,
                                 const uint8_t* frame);

/* White balance, gain, black balance, exposure */
VX3_API int VX3_WB_SetWbVal(const WhiteBalanceValue* value);
VX3_API int VX3_WB_GetWbVal(WhiteBalanceValue* value);
VX3_API int VX3_WB_GetMode(int32_t* mode /* 0 manual, else automatic */);
VX3_API int VX3_WB_SetMode(int32_t mode);
VX3_API int VX3_GC_SetAgc(int32_t on);
VX3_API int VX3_GC_GetAgc(int32_t* on);
VX3_API int VX3_BB_GetMode(int32_t* mode /* nonzero automatic */);
VX3_API int VX3_EXP_SetMode(int32_t mode /* 0 automatic */);
VX3_API int VX3_EXP_GetMode(uint16_t* mode /* 0 automatic */);

#ifdef __cplusplus
}
#endif
